#pragma once
// String-resource ids of the texts the command-line program shows to a person: its report
// labels and its one-line error messages. A language module may replace any of them; the
// English texts are in text/BuiltinStrings.inc. The help text, JSON keys and the CSV export
// stay English on purpose (scripts read them), so they have no ids.

namespace vessant::cli {

// Report labels.
inline constexpr int kIdHolidaysHeading = 21000;      // "Holidays and special days:"
inline constexpr int kIdPortion = 21001;              // "Portion: %s"
inline constexpr int kIdNoPortion = 21002;            // "No weekly portion (a festival Shabbat)"
inline constexpr int kIdStudyHeading = 21003;         // "Study:"
inline constexpr int kIdEventsHeading = 21004;        // "Your events:"
inline constexpr int kIdHeadingWithDetail = 21005;    // "%s (%s):"
inline constexpr int kIdHeading = 21006;              // "%s:"
inline constexpr int kIdDaylightSaving = 21007;       // "Daylight saving: %s"
inline constexpr int kIdLocationLine = 21008;         // "%s: %s (%s)"
inline constexpr int kIdLocationFacts = 21009;        // "%s; daylight saving: %s; shita: %s; ..."
inline constexpr int kIdSourceYourLocations = 21010;  // "your locations"
inline constexpr int kIdSourceBuiltinDefaults = 21011; // "built-in default locations"
inline constexpr int kIdSourceIsrael = 21012;         // "built-in places of Israel"
inline constexpr int kIdSourceWorld = 21013;          // "built-in places of the world"
inline constexpr int kIdSourceDefaultLocation = 21014; // "default location"
inline constexpr int kIdSourceBuiltinDefault = 21015; // "built-in default"
inline constexpr int kIdZmanimHeading = 21016;        // "%s (%s); %s"
inline constexpr int kIdExportZmanimHeading = 21017;  // "The 48 zmanim of the export:"
inline constexpr int kIdShitaNumber = 21018;          // "shita %d"

// Existing texts the reports reuse.
inline constexpr int kIdShabbat = 135;
inline constexpr int kIdIsrael = 881;
inline constexpr int kIdDiaspora = 882;
inline constexpr int kIdLocation = 767;
inline constexpr int kIdHaftarah = 908;

// Month and year.
inline constexpr int kIdHebrewYear = 21100;           // "Hebrew year %d"
inline constexpr int kIdFixedDaysHeading = 21101;     // "Fixed days:"

// Error messages: the command line.
inline constexpr int kIdErrNotANumber = 21200;
inline constexpr int kIdErrOutOfRange = 21201;
inline constexpr int kIdErrClock = 21202;
inline constexpr int kIdErrShitaOption = 21203;
inline constexpr int kIdErrUnknownCommand = 21204;
inline constexpr int kIdErrUnknownOption = 21205;
inline constexpr int kIdErrTakesNoValue = 21206;
inline constexpr int kIdErrNeedsValue = 21207;
inline constexpr int kIdErrNoHelp = 21208;
inline constexpr int kIdErrNoCommand = 21209;
inline constexpr int kIdErrNotOptionOf = 21210;
inline constexpr int kIdErrPlaceAndRow = 21211;
inline constexpr int kIdErrHebrewAndCivil = 21212;
inline constexpr int kIdErrYearAndDate = 21213;
inline constexpr int kIdErrExportWords = 21214;
// The location and the language.
inline constexpr int kIdErrNoLanguageModule = 21220;
inline constexpr int kIdErrPlaceEmpty = 21221;
inline constexpr int kIdErrUnknownPlace = 21222;
inline constexpr int kIdErrRowFieldCount = 21223;
inline constexpr int kIdErrRowCityEmpty = 21224;
inline constexpr int kIdErrRowDefaultField = 21225;
inline constexpr int kIdErrRowNotANumber = 21226;
inline constexpr int kIdErrRowOutOfRange = 21227;
inline constexpr int kIdErrRowShita = 21228;
inline constexpr int kIdErrRowCustomShita = 21229;
inline constexpr int kIdErrCustomShita = 21230;
// The names of the fields of a --row, in row order from the longitude degrees (21240)
// to the candle lighting (21250).
inline constexpr int kIdRowFieldNames = 21240;
// Dates.
inline constexpr int kIdErrCivilYear = 21260;
inline constexpr int kIdErrCivilMonth = 21261;
inline constexpr int kIdErrNotCivilDay = 21262;
inline constexpr int kIdErrSkippedCivilDay = 21263;
inline constexpr int kIdErrEmptyDate = 21264;
inline constexpr int kIdErrMalformedDate = 21265;
inline constexpr int kIdErrMalformedHebrewDate = 21266;
inline constexpr int kIdErrHebrewYearOfDate = 21267;
inline constexpr int kIdErrUnknownMonth = 21268;
inline constexpr int kIdErrLeapAdar = 21269;
inline constexpr int kIdErrPlainAdar = 21270;
inline constexpr int kIdErrNotHebrewDay = 21271;
inline constexpr int kIdErrAfter9999 = 21272;
// The commands.
inline constexpr int kIdErrYearWord = 21280;
inline constexpr int kIdErrYearRange = 21281;
inline constexpr int kIdErrNoCivilYear = 21282;
inline constexpr int kIdErrCannotWrite = 21283;
inline constexpr int kIdErrCannotExport = 21284;
inline constexpr int kIdErrStandardOutput = 21285;

} // namespace vessant::cli

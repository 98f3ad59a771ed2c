#pragma once
// The conversions between Hebrew dates, civil dates and Julian day numbers. The Hebrew
// calendar is computed from the date of Pesach (Gauss's formula), not from the molad.
// All arithmetic is 32-bit signed with division truncating toward zero; nothing here
// allocates.

#include "calendar/DateStruct.h"

namespace vessant {

// Failure codes of HebrewToCivil and CivilToHebrew; 0 is success.
inline constexpr int kCivilYearZero = 1;      // civil year 0
inline constexpr int kCivilMonthRange = 2;    // civil month outside [1, 12]
inline constexpr int kCivilDayRange = 3;      // civil day outside [1, 31] or past the month's end
inline constexpr int kHebrewMonthRange = 4;   // Hebrew month outside [1, 14]
inline constexpr int kHebrewAdarInLeap = 5;   // month 14 in a leap year
inline constexpr int kHebrewAdarIInCommon = 6; // month 6 or 7 in a common year
inline constexpr int kHebrewDayRange = 7;     // day outside [1, 30] or past the month's end
inline constexpr int kHebrewYearZero = 8;     // Hebrew year 0

struct CIVIL_DATE {
    int year = 0;  // no year 0: -1 precedes 1
    int month = 0; // [1, 12]
    int day = 0;   // [1, 31]
};

// Gregorian leap rule on an astronomical year number (0 is the year before 1).
constexpr bool IsGregorianLeapYear(int astronomicalYear) {
    return astronomicalYear % 4 == 0 && (astronomicalYear % 100 != 0 || astronomicalYear % 400 == 0);
}

// Days in a month of the Gregorian calendar, for a year as displayed (no year 0: -1
// precedes 1).
int GregorianMonthLength(int year, int month);

// Day number of a civil date (a negative year is read as year + 1, so -1 is year 0),
// in the Julian calendar when julian is set, else in the Gregorian calendar. Month and
// day are not validated: a day past the month's end runs on into the next month.
int CivilToDayNumber(int year, int month, int day, bool julian);

// Civil date of a day number in the Julian or the Gregorian calendar; never year 0.
CIVIL_DATE DayNumberToCivil(int dayNumber, bool julian);

// Day of March (above 31: April) of 15 Nisan of Hebrew year A in the Gregorian calendar
// of civil year A - 3760.
int PesachDayOfMarch(int hebrewYear);

// Years 3, 6, 8, 11, 14, 17 and 19 of the 19-year cycle.
bool IsHebrewLeapYear(int hebrewYear);

// Day number of 1 Tishrei of a Hebrew year, where HebrewToCivil puts it; for year 0,
// which the conversions refuse, the value the same arithmetic gives.
int HebrewNewYearDay(int hebrewYear);

// Day number of a Hebrew date; 0 when HebrewToCivil refuses the date.
int HebrewDayNumber(int hebrewYear, int month, int day);

// Checks a Hebrew date and fills the record's Hebrew year length, Hebrew and civil month
// lengths and Gregorian civil date (not dayNumber, not the Hebrew date fields). Returns
// 0 or a code 4..8; on failure the record may be partly written.
int HebrewToCivil(int hebrewYear, int month, int day, DATE_STRUCT& date);

// Checks a Gregorian date and fills the record's Hebrew date, Hebrew year length and
// month lengths (not the civil fields, not dayNumber). Returns 0 or a code 1..3. The
// Hebrew lengths describe the year whose Tishrei lies between the Pesach before the
// date and the one after it: for a date from Nisan to Elul that is the following year.
int CivilToHebrew(int year, int month, int day, DATE_STRUCT& date);

// With mode -1 the length of the month before the given one, otherwise the length of
// the given month, in days, measured between first days under the UK transition.
// 0 when the month does not occur in that year or the step is refused (before 3762).
int HebrewMonthLength(int month, int hebrewYear, int mode = 0);

} // namespace vessant

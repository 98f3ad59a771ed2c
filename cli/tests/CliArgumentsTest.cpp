// The pieces of the command line checked in-process: options, dates, location rows and
// places, and the JSON texts.

#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/DateArgument.h"
#include "cli/Json.h"

#include "calendar/DateOperations.h"
#include "locations/LocationRow.h"
#include "text/Language.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vessant::cli {
namespace {

std::string UsageMessage(const std::vector<std::string>& words) {
    try {
        ParseArgs(words);
    } catch (const CliError& error) {
        EXPECT_EQ(error.status(), kExitUsage);
        return error.what();
    }
    return "(accepted)";
}

TEST(CliArguments, OptionsStandAnywhereInEitherForm) {
    const CLI_ARGS a = ParseArgs({"--place=Tel Aviv", "day", "15", "Nisan", "5784", "--clock", "24", "--json"});
    EXPECT_EQ(a.command, Command::Day);
    EXPECT_EQ(a.place.value(), "Tel Aviv");
    EXPECT_EQ(a.clock.value(), 24);
    EXPECT_TRUE(a.json);
    EXPECT_EQ(a.positional, (std::vector<std::string>{"15", "Nisan", "5784"}));

    const CLI_ARGS e = ParseArgs({"export", "-o", "year.csv", "--year=2025", "--transition", "2"});
    EXPECT_EQ(e.output.value(), "year.csv");
    EXPECT_EQ(e.year.value(), 2025);
    EXPECT_EQ(e.transition.value(), 2);

    const CLI_ARGS words = ParseArgs({"day", "--", "--json"});
    EXPECT_FALSE(words.json);
    EXPECT_EQ(words.positional, std::vector<std::string>{"--json"});

    const CLI_ARGS help = ParseArgs({"help", "export"});
    EXPECT_TRUE(help.help);
    EXPECT_EQ(help.command, Command::Export);
    EXPECT_TRUE(ParseArgs({"month", "-h"}).help);
    EXPECT_EQ(ParseArgs({"--version"}).command, Command::Version);
}

TEST(CliArguments, MistakesAreNamedOnOneLine) {
    struct Case {
        std::vector<std::string> words;
        const char* message;
    };
    const Case kCases[] = {
        {{}, "no command given"},
        {{"today"}, "unknown command \"today\""},
        {{"day", "--plase", "Haifa"}, "unknown option \"--plase\""},
        {{"day", "--place"}, "--place needs a value"},
        {{"day", "--clock", "13"}, "--clock must be 12 or 24, not 13"},
        {{"day", "--clock", "twelve"}, "--clock needs a whole number, not \"twelve\""},
        {{"day", "--rite", "4"}, "--rite must be 0 to 3, not 4"},
        {{"day", "--transition", "0"}, "--transition must be 1 to 3, not 0"},
        {{"day", "--shita", "7"}, "--shita must be 1 to 6 or a custom shita from 100 up"},
        {{"export", "--json"}, "--json is not an option of \"export\""},
        {{"month", "--all"}, "--all is not an option of \"month\""},
        {{"day", "--year", "2024"}, "--year is not an option of \"day\""},
        {{"day", "--place", "Haifa", "--row", "x"}, "give one of them"},
        {{"month", "--hebrew", "--civil"}, "--hebrew and --civil cannot be combined"},
        {{"export", "--year", "10000"}, "--year must be 1 to 9999, not 10000"},
        {{"export", "2024"}, "export takes no words"},
        {{"day", "--json=1"}, "--json takes no value"},
        {{"help", "frobnicate"}, "no help for \"frobnicate\""},
    };
    for (const Case& c : kCases) {
        std::string joined;
        for (const std::string& w : c.words)
            joined += w + " ";
        SCOPED_TRACE(joined);
        EXPECT_NE(UsageMessage(c.words).find(c.message), std::string::npos) << UsageMessage(c.words);
        EXPECT_EQ(UsageMessage(c.words).find('\n'), std::string::npos);
    }
}

class CliDates : public ::testing::Test {
protected:
    void SetUp() override { LoadLanguage(kLanguageEnglish); }

    static std::string Parse(const std::string& text, int transition, DATE_STRUCT& date) {
        SetTransition(date, transition);
        std::string error;
        const bool ok = ParseDateArgument(text, date, error);
        EXPECT_EQ(ok, error.empty());
        return error;
    }
};

TEST_F(CliDates, CivilAndHebrewDatesNameTheSameDays) {
    struct Case {
        const char* text;
        int transition;
        int year, month, day; // civil date as the user sees it
        int hebrewDay, hebrewMonth, hebrewYear;
    };
    constexpr Case kCases[] = {
        {"2024-04-23", 1, 2024, 4, 23, 15, kNisan, 5784},
        {"15 Nisan 5784", 1, 2024, 4, 23, 15, kNisan, 5784},
        {"15 nissan 5784", 1, 2024, 4, 23, 15, kNisan, 5784},
        {"1 Adar II 5784", 1, 2024, 3, 11, 1, kAdarII, 5784},
        {"30 Adar I 5784", 1, 2024, 3, 10, 30, kAdarI, 5784},
        {"14 Adar 5785", 1, 2025, 3, 14, 14, kAdar, 5785},
        {"1 Tishrei 5785", 1, 2024, 10, 3, 1, kTishrei, 5785},
        {"9 Menachem Av 5785", 1, 2025, 8, 3, 9, kAv, 5785},
        {"2024-4-7", 1, 2024, 4, 7, 28, kAdarII, 5784},
        // Julian before the transition: 1700 has a 29 February under the UK transition only.
        {"1700-02-29", 1, 1700, 2, 29, 0, 0, 0},
        {"1752-09-02", 1, 1752, 9, 2, 0, 0, 0},
        {"1752-09-14", 1, 1752, 9, 14, 6, kTishrei, 5513},
        {"1752-09-05", 2, 1752, 9, 5, 0, 0, 0},
        {"0001-01-01", 1, 1, 1, 1, 0, 0, 0},
        {"9999-12-31", 1, 9999, 12, 31, 0, 0, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        DATE_STRUCT date;
        ASSERT_EQ(Parse(c.text, c.transition, date), "");
        const DATE_TRIPLE civil = CivilDateForDisplay(date);
        EXPECT_EQ(civil.year, c.year);
        EXPECT_EQ(civil.month, c.month);
        EXPECT_EQ(civil.day, c.day);
        if (c.hebrewYear != 0) {
            EXPECT_EQ(date.hebDay, c.hebrewDay);
            EXPECT_EQ(date.hebMonth, c.hebrewMonth);
            EXPECT_EQ(date.hebYear, c.hebrewYear);
        }
    }
    // Both ways of writing a day give the same record.
    DATE_STRUCT iso;
    DATE_STRUCT hebrew;
    Parse("2024-03-24", 1, iso);
    Parse("14 Adar II 5784", 1, hebrew);
    EXPECT_EQ(iso.dayNumber, hebrew.dayNumber);
}

TEST_F(CliDates, DaysThatDoNotExistAreRefusedWithTheReason) {
    struct Case {
        const char* text;
        int transition;
        const char* message;
    };
    constexpr Case kCases[] = {
        {"2024-13-01", 1, "the month of \"2024-13-01\" must be 1 to 12"},
        {"2023-02-29", 1, "\"2023-02-29\" is not a day of the civil calendar"},
        {"2024-04-31", 1, "is not a day of the civil calendar"},
        {"1700-02-29", 2, "is not a day of the civil calendar"},
        {"1752-09-05", 1, "(the Gregorian transition skips it)"},
        {"1582-10-10", 2, "(the Gregorian transition skips it)"},
        {"0000-01-01", 1, "must be 1 to 9999"},
        {"2024/04/23", 1, "malformed date \"2024/04/23\""},
        {"April 23 2024", 1, "malformed date"},
        {"12345-01-01", 1, "malformed date"},
        {"2024-001-01", 1, "malformed date"},
        {"2024-01-1x", 1, "malformed date"},
        {"2024-01-", 1, "malformed date"},
        {"-01-01", 1, "malformed date"},
        {"+2024-01-01", 1, "malformed date"},
        {"2024-01-01-01", 1, "malformed date"},
        {"2024--01", 1, "malformed date"},
        {"15 Nisan", 1, "with the year"},
        {"15 Adar 5784", 1, "5784 is a leap year: say Adar I or Adar II"},
        {"1 Adar II 5785", 1, "5785 is not a leap year: it has one Adar"},
        {"30 Cheshvan 5784", 1, "\"30 Cheshvan 5784\" is not a day of the Hebrew calendar"},
        {"31 Nisan 5784", 1, "is not a day of the Hebrew calendar"},
        {"15 Nisanx 5784", 1, "unknown Hebrew month \"Nisanx\""},
        {"15 Nisan 3761", 1, "must be 3762 to 13760"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        DATE_STRUCT date;
        const std::string error = Parse(c.text, c.transition, date);
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
    }
}

TEST_F(CliDates, MonthNamesInEveryUsualSpelling) {
    EXPECT_EQ(HebrewMonthOfName("Cheshvan", false), kCheshvan);
    EXPECT_EQ(HebrewMonthOfName("Marcheshvan", false), kCheshvan);
    EXPECT_EQ(HebrewMonthOfName("Iyyar", true), kIyyar);
    EXPECT_EQ(HebrewMonthOfName("Sh'vat", true), kShevat);
    EXPECT_EQ(HebrewMonthOfName("ADAR", false), kAdar);
    EXPECT_EQ(HebrewMonthOfName("Adar", true), -1);
    EXPECT_EQ(HebrewMonthOfName("Adar Bet", true), kAdarII);
    EXPECT_EQ(HebrewMonthOfName("Adar 1", false), -1);
    EXPECT_EQ(HebrewMonthOfName("Tevet", false), kTevet);
    EXPECT_EQ(HebrewMonthOfName("January", false), 0);
}

TEST(CliLocations, RowsWithTabsOrCommasReadAsOptionsRows) {
    const LOC_STRUCT jerusalem = ParseLocationRow(kBuiltinRow0).location;
    EXPECT_EQ(ParseRowArgument("Jerusalem\tIsrael\t35\t14\t1\t31\t46\t1\t18\t15\t0\t1\t6\t\t"), jerusalem);
    EXPECT_EQ(ParseRowArgument("Jerusalem, Israel, 35, 14, 1, 31, 46, 1, 18, 15, 0, 1, 6"), jerusalem);
    EXPECT_EQ(ParseRowArgument("Jerusalem,Israel,35,14,1,31,46,1,18,15,0,1,6,default"), jerusalem);
    // The country decides Israel, as in options.ini; a stored 2 means the Diaspora.
    EXPECT_EQ(ParseRowArgument("Jerusalem,israel,35,14,1,31,46,1,18,15,1,1,6").diaspora, 0);
    EXPECT_EQ(ParseRowArgument("Pittsburgh,PA,80,0,2,40,26,1,10,25,2,3,2").diaspora, 1);
    const LOC_STRUCT sydney = ParseRowArgument("Sydney,Australia,151,12,1,33,52,2,31,3,1,3,2");
    EXPECT_EQ(sydney.latitudeDirection, kDirectionSouth);
    EXPECT_EQ(sydney.dstRule, 3);

    struct Case {
        const char* row;
        const char* message;
    };
    constexpr Case kCases[] = {
        {"Jerusalem,Israel,35,14,1", "(5 fields given)"},
        {",Israel,35,14,1,31,46,1,18,15,0,1,6", "the city is empty"},
        {"Jerusalem,Israel,35,x,1,31,46,1,18,15,0,1,6", "the longitude minutes \"x\" is not a whole number"},
        {"Jerusalem,Israel,35,14,3,31,46,1,18,15,0,1,6", "the longitude direction must be 1 to 2, not 3"},
        {"Jerusalem,Israel,35,14,1,31,60,1,18,15,0,1,6", "the latitude minutes must be 0 to 59, not 60"},
        {"Jerusalem,Israel,35,14,1,31,46,1,36,15,0,1,6", "the time zone must be 1 to 35, not 36"},
        {"Jerusalem,Israel,35,14,1,31,46,1,18,26,0,1,6", "the DST rule must be 1 to 25, not 26"},
        {"Jerusalem,Israel,35,14,1,31,46,1,18,15,0,7,6", "the shita must be 1 to 6 or a custom shita"},
        {"Jerusalem,Israel,35,14,1,31,46,1,18,15,0,100,6", "custom shita 100 is not in shitot.ini"},
        {"Jerusalem,Israel,35,14,1,31,46,1,18,15,0,1,0", "the candle lighting must be 1 to 6, not 0"},
        {"Jerusalem,Israel,35,14,1,31,46,1,18,15,0,1,6,yes", "may only be \"default\""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.row);
        try {
            ParseRowArgument(c.row);
            ADD_FAILURE() << "accepted";
        } catch (const CliError& error) {
            EXPECT_EQ(error.status(), kExitUsage);
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
}

TEST(CliLocations, PlacesComeFromTheUsersListBeforeTheTables) {
    LOCATION_LIST mine;
    LOC_STRUCT haifa = ParseLocationRow(L"Haifa\tIsrael\t34\t59\t1\t32\t49\t1\t18\t15\t0\t2\t1\t\t").location;
    mine.locations.push_back(haifa);

    std::wstring source;
    EXPECT_EQ(FindPlace("HAIFA", mine, &source), haifa) << "the user's own row, shita and candle lighting";
    EXPECT_EQ(source, L"your locations");

    const LOC_STRUCT jerusalem = FindPlace("jerusalem", mine, &source);
    EXPECT_EQ(source, L"built-in places of Israel");
    EXPECT_EQ(jerusalem, ParseLocationRow(kBuiltinRow0).location) << "the table entry is the built-in default row";

    const LOC_STRUCT newYork = FindPlace("New York", mine, &source);
    EXPECT_EQ(source, L"built-in places of the world");
    EXPECT_EQ(newYork.diaspora, 1);
    EXPECT_EQ(newYork.dstRule, 25);
    EXPECT_EQ(newYork.shita, 3);
    EXPECT_EQ(newYork.candleLighting, 2);
    EXPECT_EQ(newYork.longitudeDirection, kDirectionWest);

    EXPECT_EQ(FindPlace("Portland, Maine", mine).country, L"Maine");
    EXPECT_EQ(FindPlace("Portland, Oregon", mine).country, L"Oregon");
    EXPECT_EQ(FindPlace("Brisbane", mine).dstRule, 1) << "Queensland keeps standard time";
    EXPECT_EQ(FindPlace("London", mine).dstRule, 10);

    for (const char* name : {"Atlantis", "Portland, France", ","}) {
        SCOPED_TRACE(name);
        try {
            FindPlace(name, mine);
            ADD_FAILURE() << "found";
        } catch (const CliError& error) {
            EXPECT_EQ(error.status(), kExitUsage);
        }
    }
}

TEST(CliJson, TextsAreEscapedAndNested) {
    EXPECT_EQ(JsonQuoted(L"Eretz Yisrael (GR\"A)"), "\"Eretz Yisrael (GR\\\"A)\"");
    EXPECT_EQ(JsonQuoted(L"a\\b\tc\nd\x01"), "\"a\\\\b\\tc\\nd\\u0001\"");
    EXPECT_EQ(JsonQuoted(L"\u05E9\u05D1\u05EA"), "\"\xD7\xA9\xD7\x91\xD7\xAA\"");

    CJsonWriter json;
    json.BeginObject();
    json.Number("year", 5784);
    json.BeginArray("days");
    json.String(L"x");
    json.Number(2);
    json.EndArray();
    json.BeginObject("empty");
    json.EndObject();
    json.Null("none");
    json.Bool("leap", true);
    json.EndObject();
    EXPECT_EQ(json.Text(),
              "{\n  \"year\": 5784,\n  \"days\": [\n    \"x\",\n    2\n  ],\n  \"empty\": {},\n  \"none\": null,\n"
              "  \"leap\": true\n}\n");
}

} // namespace
} // namespace vessant::cli

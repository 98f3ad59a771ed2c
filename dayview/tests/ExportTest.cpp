// The year export file: its structure for two locations, three years and both clock
// formats; its contents against printed calendars; the days a year has under each
// Gregorian transition; the Hebrew interface; and what a failed write leaves behind.

#include "dayview/ExportCsv.h"

#include "testsupport/FileSizeLimit.h"
#include "testsupport/TestFiles.h"
#include "calendar/DateOperations.h"
#include "calendar/HebrewNumeral.h"
#include "locations/LocationRow.h"
#include "platform/TextCodec.h"
#include "text/Language.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

namespace vessant {
namespace {

namespace fs = std::filesystem;
using Row = std::vector<std::wstring>;

LOC_STRUCT Jerusalem() { return ParseLocationRow(kBuiltinRow0).location; }
LOC_STRUCT Pittsburgh() { return ParseLocationRow(kBuiltinRow1).location; }

DATE_STRUCT CivilDate(int year, int month, int day, int transition = kTransitionUK) {
    DATE_STRUCT date;
    SetTransition(date, transition);
    EXPECT_TRUE(SetCivilDate(date, year, month, day));
    return date;
}

// The location, with the numbers of the interface in force.
DAY_INPUTS ExportInputs(const LOC_STRUCT& location) {
    DAY_INPUTS inputs;
    inputs.location = location;
    inputs.hebrewInterface = IsHebrewInterface();
    return inputs;
}

std::string ExportBytes(const LOC_STRUCT& location, int year, int clockFormat,
                        int transition = kTransitionUK) {
    CCSVExport exporter(clockFormat);
    exporter.SetInputs(ExportInputs(location));
    std::string bytes;
    EXPECT_TRUE(exporter.YearBytes(CivilDate(year, 6, 1, transition), bytes));
    return bytes;
}

// Checks the framing (mark, TAB after every field, LF line ends, 69 fields) and returns
// the lines split into fields, the header first.
std::vector<Row> ParseExport(const std::string& bytes) {
    std::vector<Row> rows;
    EXPECT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE", 2)) << "byte-order mark";
    EXPECT_EQ(bytes.size() % 2, 0u);
    const std::wstring text = platform::WideFromUtf16Le(std::string_view(bytes).substr(2));
    EXPECT_EQ(text.find(L'\r'), std::wstring::npos) << "LF line ends only";
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.back(), L'\n');
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(L'\n', start);
        const std::wstring line = text.substr(start, end - start);
        start = end + 1;
        EXPECT_FALSE(line.empty());
        EXPECT_EQ(line.back(), L'\t') << "line " << rows.size() << " must end with TAB";
        Row fields;
        std::size_t from = 0;
        for (std::size_t tab = line.find(L'\t'); tab != std::wstring::npos; tab = line.find(L'\t', from)) {
            fields.push_back(line.substr(from, tab - from));
            from = tab + 1;
        }
        EXPECT_EQ(fields.size(), static_cast<std::size_t>(kExportColumns)) << "line " << rows.size();
        rows.push_back(std::move(fields));
    }
    return rows;
}

std::string Narrow(const std::wstring& text) { return platform::Utf8FromWide(text); }

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override { LoadLanguage(kLanguageEnglish); }
    void TearDown() override { LoadLanguage(kLanguageEnglish); }
};

TEST_F(ExportTest, HeaderHoldsTheSixtyNineColumnNamesInOrder) {
    const std::vector<Row> rows = ParseExport(ExportBytes(Jerusalem(), 2024, 24));
    std::wstring header;
    for (const std::wstring& name : rows.at(0))
        header += name + L'\t';
    EXPECT_EQ(Narrow(header),
              "civ day\tciv month\tciv year\theb day\theb mon\theb year\t"
              "Alot90eq\tAlot90reg\tAlot90prop\tAlot90strict\tAlot72eq\tAlot72reg\tAlot72prop\tAlot72strict\t"
              "Misheyakir60min\tMisheyakir50min\tMisheyakir110deg\tMisheyakir102deg\tHanetz\tShemaGRA\t"
              "ShemaMA90eq\tShemaMA72eq\tTefillaGRA\tTefillaMA90eq\tTefillaMA72eq\tChatzotHayom\tMinchaGGRA\t"
              "MinchaGMA90eq\tMinchaGMA72eq\tMinchaKGRA\tMinchaKMA90eq\tMinchaKMA72eq\tPlagGRA\tPlagMA90eq\t"
              "PlagMA72eq\tShkia\tTzeit18eq\tTzeit24eq\tTzeit26eq\tTzeit90eq\tTzeit90reg\tTzeit90prop\t"
              "Tzeit90strict\tTzeit72eq\tTzeit72reg\tTzeit72prop\tTzeit72strict\tMotzei\tDaylenGRA\t"
              "ShaaZmanitGRA\tDaylenMA90eq\tShaaZmanitMA90eq\tDaylenMA72eq\tShaaZmanitMA72eq\t"
              "parsha\tspecial shabbat\tmoed 1\tmoed 2\tmoed 3\tmoed 4\tmoed 5\tmoed 6\tmoed 7\tmoed 8\t"
              "daf yomi\tyerushalmi yomi\tmishna yomit\thalacha yomit\ttanach yomi\t");
}

// Every line of every year, for Israel and the Diaspora (DST rule 25) in both clock
// formats: consecutive civil days from 1 January to 31 December, clock texts of the
// chosen form, durations, and the same bytes from a second exporter.
TEST_F(ExportTest, YearsAreWholeConsecutiveAndStableForBothPlacesAndClocks) {
    const std::wregex clock12(L"(0[1-9]|1[0-2]):[0-5][0-9][ap]");
    const std::wregex clock24(L"([01][0-9]|2[0-3]):[0-5][0-9]");
    const std::wregex duration(L"[0-9]+:[0-5][0-9]:[0-5][0-9]");
    for (const LOC_STRUCT& place : {Jerusalem(), Pittsburgh()}) {
        for (int year : {1995, 2024, 2025}) {
            for (int clock : {12, 24}) {
                SCOPED_TRACE(Narrow(place.city) + " " + std::to_string(year) + " clock " + std::to_string(clock));
                const std::string bytes = ExportBytes(place, year, clock);
                EXPECT_EQ(bytes, ExportBytes(place, year, clock)) << "byte for byte from run to run";
                const std::vector<Row> rows = ParseExport(bytes);
                const int days = year == 2024 ? 366 : 365;
                ASSERT_EQ(rows.size(), static_cast<std::size_t>(days + 1));

                DATE_STRUCT expected = CivilDate(year, 1, 1);
                int shabbatot = 0;
                for (int i = 1; i <= days; ++i) {
                    const Row& row = rows[static_cast<std::size_t>(i)];
                    SCOPED_TRACE("day line " + std::to_string(i));
                    EXPECT_EQ(row[0], std::to_wstring(expected.civDay));
                    EXPECT_EQ(row[1], std::to_wstring(expected.civMonth));
                    EXPECT_EQ(row[2], std::to_wstring(year));
                    EXPECT_EQ(row[3], std::to_wstring(expected.hebDay));
                    EXPECT_EQ(row[5], std::to_wstring(expected.hebYear));
                    for (int z = 0; z < kZmanimTableClockEntries; ++z)
                        EXPECT_TRUE(std::regex_match(row[6 + z], clock == 12 ? clock12 : clock24))
                            << "column " << ExportColumnName(6 + z) << ": " << Narrow(row[6 + z]);
                    for (int z = kZmanimTableClockEntries; z < kZmanimTableEntries; ++z)
                        EXPECT_TRUE(std::regex_match(row[6 + z], duration)) << Narrow(row[6 + z]);
                    if (Weekday(expected) != 7) {
                        EXPECT_TRUE(row[54].empty() && row[55].empty()) << "portion only on Shabbat";
                    } else if (!row[54].empty()) {
                        ++shabbatot;
                    }
                    // Moed columns fill from the first without gaps.
                    for (int m = 56; m < 63; ++m) {
                        if (row[static_cast<std::size_t>(m)].empty()) {
                            EXPECT_TRUE(row[static_cast<std::size_t>(m) + 1].empty());
                        }
                    }
                    EXPECT_FALSE(row[64].empty()) << "daf yomi is read every day";
                    EXPECT_FALSE(row[67].empty()) << "halacha yomit is read every day";
                    AddDays(expected, 1);
                }
                EXPECT_EQ(expected.civYear, year + 1);
                EXPECT_GE(shabbatot, 45) << "most Shabbatot carry a portion";
            }
        }
    }
}

// The 12-hour texts are the 24-hour ones written another way: hours 0 and 12 to 23 are
// the places where a conversion slips.
TEST_F(ExportTest, TwelveHourTimesAreTheTwentyFourHourTimesRewritten) {
    for (const LOC_STRUCT& place : {Jerusalem(), Pittsburgh()}) {
        const std::vector<Row> rows12 = ParseExport(ExportBytes(place, 2024, 12));
        const std::vector<Row> rows24 = ParseExport(ExportBytes(place, 2024, 24));
        for (std::size_t i = 1; i < rows12.size(); ++i) {
            for (int c = 6; c < 6 + kZmanimTableEntries; ++c) {
                const std::wstring& t12 = rows12[i][static_cast<std::size_t>(c)];
                const std::wstring& t24 = rows24[i][static_cast<std::size_t>(c)];
                if (c >= 6 + kZmanimTableClockEntries) {
                    EXPECT_EQ(t12, t24) << "durations do not depend on the clock";
                    continue;
                }
                const int hour24 = std::stoi(t24.substr(0, 2));
                const int hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
                wchar_t expected[8];
                std::swprintf(expected, 8, L"%02d:%ls%lc", hour12, t24.substr(3, 2).c_str(),
                              hour24 < 12 ? L'a' : L'p');
                EXPECT_EQ(t12, expected) << "line " << i << " column " << Narrow(ExportColumnName(c));
            }
        }
    }
}

// Days checked against printed Jewish calendars: dates, festivals for Israel and the
// Diaspora, portions with their special Shabbatot, the Omer and daf yomi.
TEST_F(ExportTest, DaysMatchPrintedCalendars) {
    struct Case {
        bool diaspora;
        int year, month, day;
        const wchar_t* hebrewDay;
        const wchar_t* hebrewMonth;
        const wchar_t* hebrewYear;
        const wchar_t* parsha;   // nullptr: not checked
        const wchar_t* special;  // nullptr: not checked
        const wchar_t* moed1;    // nullptr: not checked
        const wchar_t* moed2;    // nullptr: not checked
        const wchar_t* daf;      // nullptr: not checked
    };
    constexpr Case kCases[] = {
        {false, 1995, 4, 15, L"15", L"Nissan", L"5755", L"", L"", L"Pesach", L"", nullptr},
        // The Diaspora's eighth day of Pesach on Shabbat: Israel reads on, the Diaspora no portion.
        {false, 1995, 4, 22, L"22", L"Nissan", L"5755", L"Acharei Mot", L"", L"Isru Chag", L"Day 7 of the Omer", nullptr},
        {true, 1995, 4, 22, L"22", L"Nissan", L"5755", L"", L"", L"Shmini shel Pesach", L"Day 7 of the Omer", nullptr},
        {true, 1995, 9, 23, L"28", L"Elul", L"5755", L"Nitzavim", L"", nullptr, nullptr, nullptr},
        {true, 1995, 9, 25, L"1", L"Tishrei", L"5756", nullptr, nullptr, L"Rosh Hashanah 1", L"", nullptr},
        {true, 1995, 9, 30, L"6", L"Tishrei", L"5756", L"Vayelech", L"Shabbat Shuva", L"", nullptr, nullptr},
        {true, 1995, 10, 4, L"10", L"Tishrei", L"5756", nullptr, nullptr, L"Yom Kippur", L"", nullptr},
        {true, 1995, 10, 7, L"13", L"Tishrei", L"5756", L"Ha'azinu", L"", nullptr, nullptr, nullptr},
        {true, 1995, 12, 18, L"25", L"Kislev", L"5756", nullptr, nullptr, L"Chanukah 1", nullptr, nullptr},
        {false, 2024, 3, 9, L"29", L"Adar I", L"5784", L"Vayakhel", L"Parshat Shekalim", nullptr, nullptr, nullptr},
        {false, 2024, 3, 23, L"13", L"Adar II", L"5784", L"Vayikra", L"Parshat Zachor", nullptr, nullptr, nullptr},
        {false, 2024, 3, 24, L"14", L"Adar II", L"5784", nullptr, nullptr, L"Purim", L"", nullptr},
        {false, 2024, 4, 6, L"27", L"Adar II", L"5784", L"Shemini", L"Parshat Hachodesh", nullptr, nullptr, nullptr},
        {false, 2024, 4, 20, L"12", L"Nissan", L"5784", L"Metzora", L"Shabbat Hagadol", nullptr, nullptr, nullptr},
        {false, 2024, 4, 22, L"14", L"Nissan", L"5784", L"", L"", L"Erev Pesach", L"Fast of first born", nullptr},
        {true, 2024, 4, 27, L"19", L"Nissan", L"5784", L"", L"", nullptr, nullptr, nullptr},
        {false, 2024, 5, 26, L"18", L"Iyyar", L"5784", L"", L"", L"Lag B'Omer", L"Day 33 of the Omer", nullptr},
        {true, 2024, 9, 28, L"25", L"Elul", L"5784", L"Nitzavim-Vayelech", L"Selichot Ashkenazim", nullptr, nullptr, nullptr},
        {true, 2024, 10, 3, L"1", L"Tishrei", L"5785", L"", L"", L"Rosh Hashanah 1", L"", nullptr},
        {true, 2024, 10, 5, L"3", L"Tishrei", L"5785", L"Ha'azinu", L"Shabbat Shuva", nullptr, nullptr, nullptr},
        {true, 2024, 10, 12, L"10", L"Tishrei", L"5785", L"", L"", L"Yom Kippur", L"", nullptr},
        {true, 2024, 12, 26, L"25", L"Kislev", L"5785", L"", L"", L"Chanukah 1", nullptr, nullptr},
        {false, 2025, 3, 14, L"14", L"Adar", L"5785", L"", L"", L"Purim", nullptr, nullptr},
        {false, 2025, 4, 13, L"15", L"Nissan", L"5785", L"", L"", L"Pesach", L"", nullptr},
        {true, 2025, 6, 2, L"6", L"Sivan", L"5785", L"", L"", L"Shavuot 1", nullptr, nullptr},
        {true, 2025, 8, 3, L"9", L"Av", L"5785", L"", L"", L"Tisha B'Av", L"", nullptr},
        {true, 2012, 7, 29, L"10", L"Av", L"5772", L"", L"", L"Fast of Tisha B'Av", L"", nullptr},
        // Daf yomi: the cycles began on these days with Berachot 2; the day before ends Nidah.
        {true, 2005, 3, 2, L"21", L"Adar I", L"5765", nullptr, nullptr, nullptr, nullptr, L"Berachot 2"},
        {true, 2012, 8, 3, L"15", L"Av", L"5772", nullptr, nullptr, nullptr, nullptr, L"Berachot 2"},
        {true, 2020, 1, 4, L"7", L"Tevet", L"5780", nullptr, nullptr, nullptr, nullptr, L"Nidah 73"},
        {true, 2020, 1, 5, L"8", L"Tevet", L"5780", nullptr, nullptr, nullptr, nullptr, L"Berachot 2"},
    };
    std::map<std::pair<bool, int>, std::vector<Row>> years;
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day) +
                     (c.diaspora ? " Diaspora" : " Israel"));
        auto& rows = years[{c.diaspora, c.year}];
        if (rows.empty())
            rows = ParseExport(ExportBytes(c.diaspora ? Pittsburgh() : Jerusalem(), c.year, 24));
        const DATE_STRUCT day = CivilDate(c.year, c.month, c.day);
        const Row& row = rows.at(static_cast<std::size_t>(day.dayNumber - CivilDate(c.year, 1, 1).dayNumber + 1));
        EXPECT_EQ(row[0], std::to_wstring(c.day));
        EXPECT_EQ(row[1], std::to_wstring(c.month));
        EXPECT_EQ(row[3], c.hebrewDay);
        EXPECT_EQ(row[4], c.hebrewMonth);
        EXPECT_EQ(row[5], c.hebrewYear);
        if (c.parsha) {
            EXPECT_EQ(row[54], c.parsha);
        }
        if (c.special) {
            EXPECT_EQ(row[55], c.special);
        }
        if (c.moed1) {
            EXPECT_EQ(row[56], c.moed1);
        }
        if (c.moed2) {
            EXPECT_EQ(row[57], c.moed2);
        }
        if (c.daf) {
            EXPECT_EQ(row[64], c.daf);
        }
    }
}

// The lines run from 1 January to 31 December as the user sees them: a Julian leap year
// keeps 29 February and 31 December, a transition year loses the skipped days.
TEST_F(ExportTest, DayCountFollowsTheGregorianTransition) {
    struct Case {
        int year;
        int transition;
        int days;
        bool leap;     // 29 February is written
        int firstGregorian; // the day that follows the last Julian day; 0 without a transition
    };
    constexpr Case kCases[] = {
        {1700, kTransitionUK, 366, true, 0},     // Julian: 1700 is a leap year
        {1700, kTransitionPapal, 365, false, 0}, // Gregorian: it is not
        {1752, kTransitionUK, 355, true, 14},     // 2 September, then 14 September
        {1582, kTransitionPapal, 355, false, 15}, // 4 October, then 15 October
        {1918, kTransitionRussian, 352, false, 15}, // 1 February (Julian), then 15 February
        {1918, kTransitionUK, 365, false, 0},
        {1900, kTransitionUK, 365, false, 0},
        {2000, kTransitionUK, 366, true, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::to_string(c.year) + " transition " + std::to_string(c.transition));
        const std::vector<Row> rows = ParseExport(ExportBytes(Jerusalem(), c.year, 24, c.transition));
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(c.days + 1));
        EXPECT_EQ(rows[1][0] + L"." + rows[1][1] + L"." + rows[1][2], L"1.1." + std::to_wstring(c.year));
        EXPECT_EQ(rows.back()[0] + L"." + rows.back()[1] + L"." + rows.back()[2], L"31.12." + std::to_wstring(c.year));
        int leapDays = 0;
        int jumps = 0;
        for (std::size_t i = 1; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i][2], std::to_wstring(c.year));
            if (rows[i][1] == L"2" && rows[i][0] == L"29")
                ++leapDays;
            if (i + 1 < rows.size() && rows[i + 1][0] != std::to_wstring(std::stoi(rows[i][0]) + 1) &&
                rows[i + 1][0] != L"1") {
                ++jumps;
                EXPECT_EQ(rows[i + 1][0], std::to_wstring(c.firstGregorian)) << "the day after the last Julian day";
            }
        }
        EXPECT_EQ(leapDays, c.leap ? 1 : 0);
        EXPECT_EQ(jumps, c.firstGregorian != 0 ? 1 : 0);
    }
}

TEST_F(ExportTest, HebrewInterfaceWritesNumeralsAndEnglishWritesDecimals) {
    LanguageState().loadedLanguage = kLanguageHebrew;
    const std::vector<Row> rows = ParseExport(ExportBytes(Jerusalem(), 2024, 24));
    LanguageState().loadedLanguage = kLanguageEnglish;
    // 23 April 2024: 15 Nisan 5784, daf yomi of the day with its page as a numeral.
    const std::vector<Row> english = ParseExport(ExportBytes(Jerusalem(), 2024, 24));
    const std::size_t line = static_cast<std::size_t>(CivilDate(2024, 4, 23).dayNumber - CivilDate(2024, 1, 1).dayNumber + 1);
    EXPECT_EQ(rows[line][0], L"23") << "civil numbers stay decimal";
    EXPECT_EQ(rows[line][3], L"\u05D8\u05D5");
    EXPECT_EQ(rows[line][5], L"\u05D4'\u05EA\u05E9\u05E4\"\u05D3");
    EXPECT_EQ(english[line][3], L"15");
    EXPECT_EQ(english[line][5], L"5784");
    // The page number is the only difference in the study columns.
    const std::wstring& dafEnglish = english[line][64];
    const std::wstring& dafHebrew = rows[line][64];
    const std::size_t blank = dafEnglish.rfind(L' ');
    ASSERT_NE(blank, std::wstring::npos);
    EXPECT_EQ(dafHebrew.substr(0, blank + 1), dafEnglish.substr(0, blank + 1));
    EXPECT_EQ(dafHebrew.substr(blank + 1), HebrewNumeral(std::stoi(dafEnglish.substr(blank + 1)), false));
    // The Omer count in words of the interface: 16 Nisan is the first day.
    EXPECT_EQ(rows[line + 1][57].find(HebrewNumeral(1, false)) != std::wstring::npos, true);
}

TEST_F(ExportTest, WritesTheFileAndReportsWhatCannotBeWritten) {
    const fs::path folder = testsupport::FreshFolder("export");
    CCSVExport exporter(24);
    exporter.SetInputs(ExportInputs(Pittsburgh()));

    EXPECT_EQ(exporter.ExportYear(CivilDate(2024, 1, 1)), std::make_error_code(std::errc::invalid_argument))
        << "no file name";

    const fs::path file = folder / "2024_ENU.csv";
    exporter.SetFileName(file);
    ASSERT_FALSE(exporter.ExportYear(CivilDate(2024, 7, 1)));
    std::string expected;
    ASSERT_TRUE(exporter.YearBytes(CivilDate(2024, 12, 31), expected));
    EXPECT_EQ(testsupport::ReadBytes(file), expected);

    exporter.SetFileName(folder / "missing" / "2024.csv");
    EXPECT_TRUE(exporter.ExportYear(CivilDate(2024, 1, 1)));
    EXPECT_FALSE(fs::exists(folder / "missing"));

    // A disk that fills half-way: the error is reported and the complete file of the
    // earlier export stays as it was, with nothing left beside it.
    exporter.SetFileName(file);
    {
        testsupport::FileSizeLimit limit(64 * 1024);
        EXPECT_TRUE(exporter.ExportYear(CivilDate(2025, 1, 1)));
    }
    EXPECT_EQ(testsupport::ReadBytes(file), expected);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST_F(ExportTest, PortionAndEventTextsOfSingleDays) {
    CCSVExport exporter(24);
    exporter.SetInputs(ExportInputs(Pittsburgh()));
    // Shabbat 22 Nisan 5755 in the Diaspora: the eighth day of Pesach, no weekly portion.
    const DAY_FACTS& pesach = exporter.DayFacts(CivilDate(1995, 4, 22));
    EXPECT_EQ(pesach.portionText, L"");
    EXPECT_EQ(pesach.specialText, L"");
    ASSERT_EQ(pesach.holidayCount, 2);
    EXPECT_EQ(pesach.holidays[0].text, L"Shmini shel Pesach");
    EXPECT_EQ(pesach.holidays[1].text, L"Day 7 of the Omer");
    // A plain weekday has no entries at all.
    EXPECT_EQ(exporter.DayFacts(CivilDate(2024, 7, 3)).holidayCount, 0);
}

} // namespace
} // namespace vessant

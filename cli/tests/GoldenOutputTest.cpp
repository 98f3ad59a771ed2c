// What the program prints for real days, kept byte for byte: day reports as text and JSON,
// month grids, year facts, zmanim and the year export (by digest), for places in Israel
// and abroad, both clock formats, a data folder with the user's own events and the Hebrew
// interface. A change in any of them is a change the user sees.

#include "calendar/DateOperations.h"
#include "cli/tests/ProgramRun.h"
#include "platform/ProfileFile.h"
#include "testsupport/Golden.h"
#include "text/Language.h"
#include "userdata/EventList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vessant {
namespace {

namespace fs = std::filesystem;
using clitest::RUN;
using clitest::RunProgram;
using clitest::TestFolder;

const fs::path kGoldenFolder = fs::path(VESSANT_TEST_DATA) / "golden";
const fs::path kNoDataFolder = "/nonexistent/vessant-cli-golden";

int DayNumberOf(int y, int m, int d) {
    DATE_STRUCT date;
    SetTransition(date, 1);
    EXPECT_TRUE(SetCivilDate(date, y, m, d));
    return date.dayNumber;
}

// A home folder: a 24-hour clock, the Adot Mizrach haftarot, a town in Ohio as the
// default location and one event of every kind that falls on 14 Nisan 5784.
fs::path HomeFolder() {
    const fs::path data = TestFolder("golden-home");
    platform::ProfileFile options = platform::ProfileFile::Open(data / "options.ini");
    options.WriteString(L"Version", L"Program", L"3.2.46.29");
    options.WriteInt(L"Display", L"Clock Format", 24);
    options.WriteInt(L"Display", L"Shita haftarah", 1);
    options.WriteString(L"locations", L"0", L"Home town\tOhio\t81\t42\t2\t41\t30\t1\t10\t25\t1\t3\t2\tdefault");
    options.WriteString(L"locations", L"1", L"Haifa\tIsrael\t34\t59\t1\t32\t49\t1\t18\t15\t0\t1\t5\t");
    EXPECT_FALSE(options.Save());
    CEventList events;
    events.SetFolder(data);
    struct EVENT {
        const wchar_t* title;
        const wchar_t* desc;
        int jdn, cal, type;
    };
    const EVENT kEvents[] = {
        {L"Dina", L"Bat Mitzvah year", DayNumberOf(2011, 4, 18), kEventCalendarBoth, kEventBirthdayFemale},
        {L"Grandfather", L"", DayNumberOf(1990, 4, 9), kEventCalendarHebrew, kEventYahrzeitAshkenazi},
        {L"Aunt", L"Mizrach", DayNumberOf(1990, 4, 9), kEventCalendarCivil, kEventYahrzeitMizrach},
        {L"Wedding", L"Hall", DayNumberOf(2000, 4, 22), kEventCalendarCivil, kEventAnniversary},
        {L"Eli", L"", DayNumberOf(2024, 4, 22), kEventCalendarBoth, kEventBirthdayMale},
        {L"Dentist", L"10:00", DayNumberOf(2024, 4, 22), kEventCalendarCivil, kEventOneTime},
        {L"Moshe", L"", DayNumberOf(2011, 4, 30), kEventCalendarHebrew, kEventBirthdayMale},
    };
    for (const EVENT& e : kEvents)
        EXPECT_FALSE(events.Add(e.title, e.desc, e.jdn, e.cal, e.type));
    return data;
}

struct Case {
    const char* name;
    bool home;
    std::vector<std::string> words;
};

const Case kReports[] = {
    {"day-jerusalem-erev-pesach", false, {"day", "2024-04-22", "--place", "Jerusalem"}},
    {"day-newyork-shabbat-chol-hamoed", false, {"day", "2024-04-27", "--place", "New York"}},
    {"day-jerusalem-tisha-bav", false, {"day", "2024-08-13", "--place", "Jerusalem"}},
    {"day-newyork-tisha-bav-postponed", false, {"day", "2025-08-03", "--place", "New York", "--clock", "24"}},
    {"day-jerusalem-first-born-fast", false, {"day", "2025-04-10", "--place", "Jerusalem"}},
    {"day-jerusalem-erev-pesach-on-shabbat", false, {"day", "2025-04-12", "--place", "Jerusalem"}},
    {"day-newyork-shabbat-chanukah-rosh-chodesh", false, {"day", "2022-12-24", "--place", "New York"}},
    {"day-jerusalem-dst-begins", false, {"day", "2025-03-28", "--place", "Jerusalem"}},
    {"day-pittsburgh-yom-kippur-shabbat-json", false, {"day", "2024-10-12", "--place", "Pittsburgh", "--json"}},
    {"day-london-json", false, {"day", "2024-04-22", "--place", "London", "--json"}},
    {"day-hebrew-date-words", false, {"day", "25 Kislev 5785", "--place", "London"}},
    {"day-home-events", true, {"day", "2024-04-22"}},
    {"day-home-events-json", true, {"day", "2024-04-22", "--json"}},
    {"day-home-shabbat-12h", true, {"day", "2024-04-27", "--place", "home TOWN", "--clock", "12"}},
    {"day-home-haifa-shabbat", true, {"day", "2024-05-04", "--place", "Haifa"}},
    {"month-jerusalem-civil", false, {"month", "2024-04", "--civil", "--place", "Jerusalem", "--width", "120"}},
    {"month-london-hebrew", false, {"month", "1 Tishrei 5785", "--hebrew", "--place", "London", "--width", "80"}},
    {"month-newyork-adar", false, {"month", "2024-03-15", "--hebrew", "--place", "New York", "--width", "100"}},
    {"month-home-civil", true, {"month", "2024-04", "--civil", "--width", "100"}},
    {"year-5785", false, {"year", "5785"}},
    {"zmanim-tel-aviv", false, {"zmanim", "2024-06-21", "--place", "Tel Aviv", "--clock", "24", "--all"}},
};

TEST(GoldenOutput, ReportsStayByteForByte) {
    LoadLanguage(kLanguageEnglish);
    const fs::path home = HomeFolder();
    for (const Case& c : kReports) {
        SCOPED_TRACE(c.name);
        const RUN run = RunProgram(c.words, c.home ? home : kNoDataFolder);
        ASSERT_EQ(run.status, 0) << run.err;
        testsupport::ExpectMatchesGolden(kGoldenFolder / (std::string(c.name) + ".txt"), run.out);
    }
}

// A whole year is too large to keep; its digest stands for it, and the first lines of
// each year are kept in full so that a change shows where it is.
TEST(GoldenOutput, YearExportsStayByteForByte) {
    const fs::path home = HomeFolder();
    const Case kExports[] = {
        {"export-2025-pittsburgh-12h", false, {"export", "--year", "2025", "--place", "Pittsburgh"}},
        {"export-2024-jerusalem-24h", false, {"export", "--year", "2024", "--place", "Jerusalem", "--clock", "24"}},
        {"export-2024-home", true, {"export", "--year", "2024"}},
        {"export-1752-london-uk", false, {"export", "--year", "1752", "--place", "London", "--transition", "1"}},
    };
    std::string digests;
    for (const Case& c : kExports) {
        SCOPED_TRACE(c.name);
        const RUN run = RunProgram(c.words, c.home ? home : kNoDataFolder);
        ASSERT_EQ(run.status, 0) << run.err;
        digests += std::string(c.name) + " " + std::to_string(run.out.size()) + " " +
                   testsupport::Digest(run.out) + "\n";
    }
    testsupport::ExpectMatchesGolden(kGoldenFolder / "exports.txt", digests);
}

TEST(GoldenOutput, HebrewInterface) {
    const fs::path folder = TestFolder("golden-hebrew");
    const fs::path program = folder / "vessant";
    fs::copy_file(VESSANT_CLI_PROGRAM, program);
    fs::copy_file(fs::path(VESSANT_TEST_DATA) / "Vessant3_0d.lng", folder / "Vessant3_0d.lng");
    const Case kHebrew[] = {
        {"hebrew-day-omer", false, {"day", "2024-05-05", "--place", "Jerusalem", "--lang", "13"}},
        {"hebrew-month", false, {"month", "2024-05", "--hebrew", "--place", "Jerusalem", "--lang", "13", "--width", "100"}},
    };
    for (const Case& c : kHebrew) {
        SCOPED_TRACE(c.name);
        const RUN run = RunProgram(c.words, kNoDataFolder, 0, program);
        ASSERT_EQ(run.status, 0) << run.err;
        testsupport::ExpectMatchesGolden(kGoldenFolder / (std::string(c.name) + ".txt"), run.out);
    }
    const RUN year = RunProgram({"export", "--year", "2024", "--place", "Jerusalem", "--lang", "13"}, kNoDataFolder, 0,
                                program);
    ASSERT_EQ(year.status, 0) << year.err;
    testsupport::ExpectMatchesGolden(kGoldenFolder / "hebrew-export.txt",
                                     std::to_string(year.out.size()) + " " + testsupport::Digest(year.out) + "\n");
}

} // namespace
} // namespace vessant

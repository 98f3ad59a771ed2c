// The built program, run as a user runs it: its output for real days, its exit status
// and one-line messages for bad input, the export file it writes (or, on failure, does
// not leave behind), and a data folder that it reads and never changes.

#include "calendar/DateOperations.h"
#include "cli/tests/ProgramRun.h"
#include "locations/LocationRow.h"
#include "platform/ProfileFile.h"
#include "platform/TextCodec.h"
#include "text/Language.h"
#include "userdata/EventList.h"
#include "dayview/ExportCsv.h"
#include "zmanim/ShitotStore.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace vessant {
namespace {

namespace fs = std::filesystem;
using clitest::ReadBytes;
using clitest::RunProgram;
using clitest::TestFolder;
using clitest::RUN;

const fs::path kNoDataFolder = "/nonexistent/vessant-cli-test";

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

int CountLines(const std::string& text) {
    int lines = 0;
    for (const char ch : text)
        lines += ch == '\n';
    return lines;
}

TEST(CliProgram, ErevPesachInJerusalemShowsBothChametzTimes) {
    const RUN run = RunProgram({"day", "2024-04-22", "--place", "Jerusalem"}, kNoDataFolder);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(Contains(run.out, "Monday, 22 April 2024\n14 Nissan 5784\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "  Erev Pesach\n")) << run.out;
    const std::regex eat("Latest time to eat chametz: +(9|10):[0-5][0-9]a");
    const std::regex burn("Latest time to burn chametz: +(10|11):[0-5][0-9]a");
    EXPECT_TRUE(std::regex_search(run.out, eat)) << run.out;
    EXPECT_TRUE(std::regex_search(run.out, burn)) << run.out;
    EXPECT_TRUE(Contains(run.out, "Location: Jerusalem, Israel")) << run.out;
}

// The Shabbat in Pesach: no weekly portion, the Chol Hamoed haftarah, and the day counted
// as the Diaspora counts it (its Chol Hamoed starts a day later than Israel's).
TEST(CliProgram, ShabbatCholHamoedInTheDiasporaAndInIsrael) {
    const RUN diaspora = RunProgram({"day", "2024-04-27", "--place", "New York"}, kNoDataFolder);
    ASSERT_EQ(diaspora.status, 0) << diaspora.err;
    EXPECT_TRUE(Contains(diaspora.out, "  Chol Hamoed 3\n")) << diaspora.out;
    EXPECT_TRUE(Contains(diaspora.out, "No weekly portion")) << diaspora.out;
    EXPECT_TRUE(Contains(diaspora.out, "Haftarah (Ashkenazi):\n  Yechezkel 37:1 - 37:14\n")) << diaspora.out;
    EXPECT_TRUE(Contains(diaspora.out, "daylight saving: USA")) << diaspora.out;
    EXPECT_TRUE(Contains(diaspora.out, "Daylight saving: Daylight saving time")) << diaspora.out;

    const RUN israel = RunProgram({"day", "19 Nisan 5784", "--place", "jerusalem"}, kNoDataFolder);
    ASSERT_EQ(israel.status, 0) << israel.err;
    EXPECT_TRUE(Contains(israel.out, "Shabbat, 27 April 2024")) << israel.out;
    EXPECT_TRUE(Contains(israel.out, "  Chol Hamoed 4\n")) << israel.out;
}

TEST(CliProgram, DayAsJson) {
    const RUN run = RunProgram({"day", "2024-04-22", "--place", "Jerusalem", "--json"}, kNoDataFolder);
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* part : {"\"date\": \"2024-04-22\"", "\"code\": 48", "\"latestChametzEating\": \"10:",
                             "\"latestChametzBurning\": \"11:", "\"shabbat\": null", "\"dafYomi\": \"Bava Metzia 54\"",
                             "\"shitaName\": \"Eretz Yisrael (GR\\\"A)\"", "\"inForce\": true"})
        EXPECT_TRUE(Contains(run.out, part)) << part << "\n" << run.out;
    EXPECT_EQ(run.out.back(), '\n');
}

TEST(CliProgram, BadInputGetsOneLineAndTheRightStatus) {
    struct Case {
        std::vector<std::string> words;
        int status;
        const char* message;
    };
    const Case kCases[] = {
        {{"day", "2024-02-30"}, 2, "\"2024-02-30\" is not a day of the civil calendar"},
        {{"day", "April", "23"}, 2, "malformed date"},
        {{"day", "--place", "Atlantis"}, 2, "unknown place \"Atlantis\""},
        {{"zmanim", "--row", "Nowhere,Land,1,2,3"}, 2, "malformed --row"},
        {{"month", "15", "Adar", "5784"}, 2, "5784 is a leap year: say Adar I or Adar II"},
        {{"year", "five"}, 2, "year takes one Hebrew year"},
        {{"day", "--lang", "99"}, 2, "no language module for language 99"},
        {{"zmanim", "--shita", "150"}, 2, "custom shita 150 is not in shitot.ini"},
        {{"bogus"}, 2, "unknown command \"bogus\""},
        {{}, 2, "no command given"},
        {{"export", "-o", "/nonexistent/folder/2024.csv"}, 1, "cannot write \"/nonexistent/folder/2024.csv\""},
    };
    for (const Case& c : kCases) {
        std::string joined;
        for (const std::string& w : c.words)
            joined += w + " ";
        SCOPED_TRACE(joined);
        const RUN run = RunProgram(c.words, kNoDataFolder);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("vessant: ", 0), 0u) << run.err;
        EXPECT_EQ(CountLines(run.err), 1) << run.err;
        EXPECT_TRUE(Contains(run.err, c.message)) << run.err;
    }
}

// A language module beside the program replaces the report labels and messages it gives
// (placeholders filled in), and every id it leaves out stays English.
TEST(CliProgram, LanguageModuleTranslatesTheLabelsItHas) {
    const fs::path folder = TestFolder("language");
    const fs::path program = folder / "vessant";
    fs::copy_file(VESSANT_CLI_PROGRAM, program);
    fs::copy_file(fs::path(VESSANT_TEST_DATA) / "Vessant3_0d.lng", folder / "Vessant3_0d.lng");

    const RUN run =
        RunProgram({"day", "2024-04-22", "--place", "Jerusalem", "--lang", "13"}, kNoDataFolder, 0, program);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string holidays = "\n\u05D7\u05D2\u05D9\u05DD \u05D5\u05DE\u05D5\u05E2\u05D3\u05D9\u05DD:\n";
    EXPECT_TRUE(Contains(run.out, holidays)) << run.out;
    EXPECT_TRUE(Contains(run.out, "\n\u05DC\u05D9\u05DE\u05D5\u05D3:\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "\n\u05D6\u05DE\u05E0\u05D9\u05DD (")) << run.out;
    const std::regex daylight("\n\u05E9\u05E2\u05D5\u05DF \u05E7\u05D9\u05E5: [^\n%]+\n");
    EXPECT_TRUE(std::regex_search(run.out, daylight)) << run.out;
    for (const char* english : {"Holidays and special days:", "Study:", "\nZmanim (", "Daylight saving:"})
        EXPECT_FALSE(Contains(run.out, english)) << english;
    // Left out of the module: English.
    EXPECT_TRUE(Contains(run.out, "\nLocation: Jerusalem")) << run.out;
    EXPECT_TRUE(Contains(run.out, " minutes before sunset\n")) << run.out;

    const RUN unknown = RunProgram({"day", "--lang", "13", "--place", "Atlantis"}, kNoDataFolder, 0, program);
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "vessant: \u05D4\u05DE\u05E7\u05D5\u05DD \"Atlantis\" \u05D0\u05D9\u05E0\u05D5 "
                           "\u05D9\u05D3\u05D5\u05E2\n");
}

TEST(CliProgram, HelpForTheProgramAndEachCommand) {
    for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
             {"--help"}, {"help"}, {"help", "day"}, {"day", "--help"}, {"month", "-h"}, {"year", "--help"},
             {"zmanim", "--help"}, {"export", "--help"}}) {
        const RUN run = RunProgram(words, kNoDataFolder);
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(Contains(run.out, "Usage: vessant")) << run.out;
        EXPECT_EQ(run.err, "");
        if (words.size() == 2 && words[0] != "help") {
            EXPECT_TRUE(Contains(run.out, "Usage: vessant " + words[0])) << run.out;
        }
    }
    EXPECT_TRUE(Contains(RunProgram({"help", "export"}, kNoDataFolder).out, "Usage: vessant export"));
}

// The export of a year: the same bytes to standard output and to a file, from run to run,
// with the days the chosen transition gives the year.
TEST(CliProgram, ExportToStandardOutputAndToAFile) {
    const fs::path folder = TestFolder("export");
    const RUN toStdout = RunProgram({"export", "--year", "2024", "--place", "Pittsburgh"}, kNoDataFolder);
    ASSERT_EQ(toStdout.status, 0) << toStdout.err;
    const RUN again = RunProgram({"export", "--date", "2024-07-01", "--place", "Pittsburgh"}, kNoDataFolder);
    EXPECT_EQ(again.out, toStdout.out);
    const fs::path file = folder / "2024.csv";
    const RUN toFile = RunProgram({"export", "--year", "2024", "--place", "Pittsburgh", "-o", file.string()}, kNoDataFolder);
    ASSERT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_EQ(toFile.out, "");
    EXPECT_EQ(ReadBytes(file), toStdout.out);
    ASSERT_GT(toStdout.out.size(), 2u);
    EXPECT_EQ(toStdout.out.substr(0, 2), std::string("\xFF\xFE", 2));

    struct Case {
        std::vector<std::string> words;
        int lines; // header included
    };
    const Case kCases[] = {
        {{"export", "--year", "1752", "--transition", "1"}, 356},
        {{"export", "--year", "1700", "--transition", "1"}, 367},
        {{"export", "--year", "1700", "--transition", "2"}, 366},
        {{"export", "--year", "2025", "--clock", "24"}, 366},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.words[2]);
        const RUN run = RunProgram(c.words, kNoDataFolder);
        ASSERT_EQ(run.status, 0) << run.err;
        const std::wstring text = platform::WideFromUtf16Le(std::string_view(run.out).substr(2));
        EXPECT_EQ(std::count(text.begin(), text.end(), L'\n'), c.lines);
    }
}

// A write that fails half-way (the file-size limit stands in for a full disk): status 1,
// the earlier complete file as it was, and nothing half-written beside it.
TEST(CliProgram, AFailedWriteLeavesTheEarlierFileAndNoPartialOne) {
    const fs::path folder = TestFolder("full");
    const fs::path file = folder / "year.csv";
    ASSERT_EQ(RunProgram({"export", "--year", "2023", "-o", file.string()}, kNoDataFolder).status, 0);
    const std::string complete = ReadBytes(file);
    ASSERT_GT(complete.size(), 100000u);

    const RUN run = RunProgram({"export", "--year", "2024", "-o", file.string()}, kNoDataFolder, 50000);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("vessant: cannot write \"" + file.string() + "\": ", 0), 0u) << run.err;
    EXPECT_EQ(CountLines(run.err), 1);
    EXPECT_EQ(ReadBytes(file), complete);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    // A new file that cannot be completed is not created at all; a folder in the way is
    // left alone.
    const fs::path fresh = folder / "fresh.csv";
    EXPECT_EQ(RunProgram({"export", "-o", fresh.string()}, kNoDataFolder, 50000).status, 1);
    EXPECT_FALSE(fs::exists(fresh));
    fs::create_directory(folder / "taken.csv");
    EXPECT_EQ(RunProgram({"export", "-o", (folder / "taken.csv").string()}, kNoDataFolder).status, 1);
    EXPECT_TRUE(fs::is_directory(folder / "taken.csv"));
}

// A data folder as the calendar leaves it: its default location, clock format, custom
// shita and events are used, and not one byte of it changes.
TEST(CliProgram, ReadsTheDataFolderAndNeverWritesIt) {
    LoadLanguage(kLanguageEnglish);
    const fs::path data = TestFolder("data");
    {
        CShitotStore shitot;
        shitot.SetShitotFolder(data);
        ASSERT_FALSE(shitot.AddShita(L"Our shul", BuiltinShitaTemplate(3)).saved);
    }
    platform::ProfileFile options = platform::ProfileFile::Open(data / "options.ini");
    options.WriteString(L"Version", L"Program", L"3.2.46.29");
    options.WriteInt(L"Display", L"Clock Format", 24);
    options.WriteInt(L"Display", L"Shita haftarah", 1);
    options.WriteString(L"locations", L"0", L"Haifa\tIsrael\t34\t59\t1\t32\t49\t1\t18\t15\t0\t1\t5\tdefault");
    options.WriteString(L"locations", L"1", L"Home town\tOhio\t81\t42\t2\t41\t30\t1\t10\t25\t1\t100\t2\t");
    ASSERT_FALSE(options.Save());
    {
        CEventList events;
        events.SetFolder(data);
        DATE_STRUCT birth;
        SetTransition(birth, 1);
        SetCivilDate(birth, 2011, 4, 18); // 14 Nisan 5771
        ASSERT_FALSE(events.Add(L"Dina", L"Bat Mitzvah year", birth.dayNumber, kEventCalendarBoth,
                                kEventBirthdayFemale));
    }
    std::map<std::string, std::string> before;
    for (const auto& entry : fs::directory_iterator(data))
        before[entry.path().filename().string()] = ReadBytes(entry.path());

    const RUN haifa = RunProgram({"day", "2024-04-22"}, data);
    ASSERT_EQ(haifa.status, 0) << haifa.err;
    EXPECT_TRUE(Contains(haifa.out, "Location: Haifa, Israel (default location)")) << haifa.out;
    EXPECT_TRUE(Contains(haifa.out, "candle lighting 30 minutes")) << haifa.out;
    EXPECT_TRUE(std::regex_search(haifa.out, std::regex("Chatzot Hayom +12:[0-9][0-9]\n"))) << haifa.out;
    EXPECT_TRUE(Contains(haifa.out, "Your events:\n  Dina (13 Hebrew) - Birthday (female)\n    Bat Mitzvah year\n"))
        << haifa.out;

    const RUN home = RunProgram({"day", "2024-04-27", "--place", "home TOWN", "--clock", "12"}, data);
    ASSERT_EQ(home.status, 0) << home.err;
    EXPECT_TRUE(Contains(home.out, "Zmanim (Our shul):")) << home.out;
    EXPECT_TRUE(Contains(home.out, "(your locations)")) << home.out;
    EXPECT_TRUE(Contains(home.out, "Haftarah (Adot Mizrach):")) << home.out;
    EXPECT_TRUE(std::regex_search(home.out, std::regex("Shkiat Hachama +[0-9]:[0-9][0-9]p\n"))) << home.out;

    for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
             {"month"}, {"year"}, {"zmanim", "--all"}, {"export", "--year", "2024"}, {"day", "--json"}}) {
        EXPECT_EQ(RunProgram(words, data).status, 0) << words[0];
    }

    std::map<std::string, std::string> after;
    for (const auto& entry : fs::directory_iterator(data))
        after[entry.path().filename().string()] = ReadBytes(entry.path());
    EXPECT_EQ(after, before);
}

TEST(CliProgram, MonthGridKeepsItsColumns) {
    const RUN run = RunProgram({"month", "2024-04", "--civil", "--width", "80", "--place", "Jerusalem"}, kNoDataFolder);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::wstring text = platform::WideFromUtf8(run.out);
    std::size_t gridLines = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(L'\n', start);
        const std::wstring line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && (line[0] == L'|' || line[0] == L'+')) {
            ++gridLines;
            EXPECT_EQ(line.size(), 78u) << platform::Utf8FromWide(line);
        }
    }
    EXPECT_GE(gridLines, 13u);
    EXPECT_TRUE(Contains(run.out, "April 2024")) << run.out;
    EXPECT_TRUE(Contains(run.out, "Adar II - Nissan 5784")) << run.out;
    EXPECT_TRUE(Contains(run.out, "|22      14|")) << run.out;
    EXPECT_TRUE(Contains(run.out, "Mo 22 Apr   14 Nissan      Erev Pesach, Fast of first born")) << run.out;
    EXPECT_TRUE(Contains(run.out, "Sa 20 Apr   12 Nissan      Metzora, Shabbat Hagadol")) << run.out;

    const RUN hebrew = RunProgram({"month", "1 Tishrei 5785", "--hebrew", "--width", "120"}, kNoDataFolder);
    ASSERT_EQ(hebrew.status, 0) << hebrew.err;
    EXPECT_TRUE(Contains(hebrew.out, "Tishrei 5785")) << hebrew.out;
    EXPECT_TRUE(Contains(hebrew.out, "October - November 2024")) << hebrew.out;
}

TEST(CliProgram, YearFactsAndFixedDays) {
    const RUN run = RunProgram({"year", "5784"}, kNoDataFolder);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "Year 8 of cycle 305")) << run.out;
    EXPECT_TRUE(std::regex_search(run.out, std::regex("Pesach +15 Nissan +Tuesday, 23 April 2024\n"))) << run.out;
    EXPECT_TRUE(std::regex_search(run.out, std::regex("Purim +14 Adar II +Sunday, 24 March 2024\n"))) << run.out;
    EXPECT_TRUE(std::regex_search(run.out, std::regex("Fast of Esther +11 Adar II +Thursday, 21 March 2024\n")))
        << run.out;
    const RUN json = RunProgram({"year", "5784", "--json"}, kNoDataFolder);
    EXPECT_TRUE(Contains(json.out, "\"date\": \"2024-04-23\"")) << json.out;
    EXPECT_TRUE(Contains(json.out, "\"leap\": true")) << json.out;
}

TEST(CliProgram, ZmanimOfADay) {
    const RUN run = RunProgram({"zmanim", "2024-06-21", "--place", "London", "--clock", "24", "--all"}, kNoDataFolder);
    ASSERT_EQ(run.status, 0) << run.err;
    // Midsummer in London: sunrise before five, sunset after nine, summer time.
    EXPECT_TRUE(std::regex_search(run.out, std::regex("Hanetz Hachama +4:[0-5][0-9]\n"))) << run.out;
    EXPECT_TRUE(std::regex_search(run.out, std::regex("Shkiat Hachama +21:[0-5][0-9]\n"))) << run.out;
    EXPECT_TRUE(Contains(run.out, "Daylight saving time")) << run.out;
    EXPECT_TRUE(std::regex_search(run.out, std::regex("ShaaZmanitMA72eq +[0-9]:[0-5][0-9]:[0-5][0-9]\n"))) << run.out;
    const RUN json = RunProgram({"zmanim", "2024-06-21", "--place", "London", "--json", "--shita", "4"}, kNoDataFolder);
    EXPECT_TRUE(Contains(json.out, "\"shita\": 4")) << json.out;
    EXPECT_TRUE(std::regex_search(json.out, std::regex("\"hanetz\": \"04:[0-5][0-9]\""))) << json.out;
}

} // namespace
} // namespace vessant

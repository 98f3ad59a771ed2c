// Appending to events.ini and options.ini on disk: numbering, no duplicates on a second
// transfer, what is already there survives, and failures that are reported, not hidden.

#include "transfer/convert/Carry.h"

#include "app/settings/Version.h"
#include "locations/LocationList.h"
#include "platform/ProfileFile.h"
#include "platform/TextCodec.h"
#include "testsupport/FileSizeLimit.h"
#include "testsupport/TestFiles.h"
#include "transfer/convert/tests/OldFiles.h"
#include "userdata/EventList.h"

#include <gtest/gtest.h>

using namespace vessant;
using namespace vessant::transfer;
using namespace vessant::transfer::fixtures;
using namespace vessant::testsupport;
namespace fs = std::filesystem;

namespace {

constexpr wchar_t kNoTitle[] = L"no title";

struct Folders {
    fs::path old;
    fs::path data;
};

Folders MakeFolders(std::string_view usr, std::string_view loc = {}) {
    Folders folders{FreshFolderForThisTest("old"), FreshFolderForThisTest("data")};
    if (!usr.empty())
        WriteBytes(folders.old / kOldEventFileName, usr);
    if (!loc.empty())
        WriteBytes(folders.old / kOldLocationFileName, loc);
    return folders;
}

const std::vector<UsrRecord> kThreeEvents = {
    {1, 3, 1950, 4, 12, "Moshe", ""},
    {0, 4, 1700, 1, 1, "Grandmother", OldHebrewBytes({3, 5, 26})},
    {1, 6, 2001, 9, 9, "", ""},
};

std::wstring EventsText(const fs::path& data) { return Utf16Text(data / "events.ini"); }

} // namespace

TEST(EventCarry, AppendsSectionsFromZeroIntoANewFile) {
    const Folders f = MakeFolders(UsrFile(2, kThreeEvents));
    const CARRY_RESULT result = ConvertOldEvents(f.old, f.data, {true, false}, kNoTitle);
    EXPECT_EQ(result.version, 2);
    EXPECT_FALSE(result.Failed());
    EXPECT_EQ(result.counts.added, 3);
    EXPECT_EQ(EventsText(f.data),
              L"[0]\r\ntitle=Moshe\r\njdn=2433384\r\ntype=0\r\ncal=2\r\n"
              L"[1]\r\ntitle=\u05EA\u05D5\u05D3\r\njdn=2341983\r\ntype=1\r\ncal=1\r\n"
              L"[2]\r\ntitle=no title\r\njdn=2452162\r\ntype=5\r\ncal=2\r\n");
}

TEST(EventCarry, ContinuesAfterTheSectionsAlreadyThereAndNeverOverwritesOne) {
    struct Case {
        const char* name;
        int sections;      // sections 0 .. sections-1, each with a title
        std::wstring extra;  // further text of the existing file
        std::vector<int> expectedNumbers;
    };
    const Case cases[] = {
        {"three sections", 3, L"", {3, 4, 5}},
        {"five thousand sections", 5000, L"", {5000, 5001, 5002}},
        {"a gap is filled, later sections are passed over", 2, L"[3]\r\ntitle=Later\r\n[5]\r\njdn=1\r\n", {2, 4, 6}},
        {"a section without a title is still a section", 1, L"[1]\r\njdn=2451545\r\ntype=5\r\ncal=2\r\n", {2, 3, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Folders f = MakeFolders(UsrFile(2, kThreeEvents));
        std::wstring existing;
        for (int n = 0; n < c.sections; ++n)
            existing += L"[" + std::to_wstring(n) + L"]\r\njdn=2451545\r\ntype=5\r\ncal=2\r\ndesc=\r\ntitle=Old " +
                        std::to_wstring(n) + L"\r\n";
        existing += c.extra;
        WriteUtf16File(f.data / "events.ini", existing);

        const CARRY_RESULT result = ConvertOldEvents(f.old, f.data, {false, true}, kNoTitle);
        ASSERT_FALSE(result.Failed());
        EXPECT_EQ(result.counts.added, 3);
        const std::wstring after = EventsText(f.data);
        // Everything that was there is still there, in place, and kept as the previous
        // generation.
        EXPECT_EQ(after.substr(0, existing.size()), existing);
        EXPECT_EQ(Utf16Text(f.data / "events.ini.txt"), existing);
        const auto profile = platform::ProfileFile::Open(f.data / "events.ini");
        const std::wstring titles[] = {L"Moshe", L"Grandmother", kNoTitle};
        for (std::size_t i = 0; i < 3; ++i) {
            const std::wstring section = std::to_wstring(c.expectedNumbers[i]);
            EXPECT_EQ(profile.GetString(section, L"title"), titles[i]) << "section " << c.expectedNumbers[i];
            EXPECT_EQ(profile.GetString(section, L"desc"), titles[i]);
        }
    }
}

TEST(EventCarry, ASecondTransferAddsNothingAndCountsWhatWasThere) {
    std::vector<UsrRecord> records = kThreeEvents;
    records.push_back({7, 3, 2000, 1, 1, "undefined flag", ""});
    records.push_back({1, 3, 2000, 2, 30, "no such day", ""});
    records.push_back(records[0]);  // the old file's own repetition is added once
    const Folders f = MakeFolders(UsrFile(1, records) + "01 03 20xx");
    const CARRY_RESULT first = ConvertOldEvents(f.old, f.data, {true, false}, kNoTitle);
    EXPECT_EQ(first.version, 1);
    EXPECT_EQ(first.counts.added, 3);
    EXPECT_EQ(first.counts.alreadyPresent, 1);
    EXPECT_EQ(first.counts.skipped, 3);
    const std::string bytes = ReadBytes(f.data / "events.ini");

    const CARRY_RESULT second = ConvertOldEvents(f.old, f.data, {true, false}, kNoTitle);
    EXPECT_EQ(second.counts.added, 0);
    EXPECT_EQ(second.counts.alreadyPresent, 4);
    EXPECT_EQ(second.counts.skipped, 3);
    EXPECT_EQ(ReadBytes(f.data / "events.ini"), bytes);

    // The calendar rewrote the file in its own form (sorted, renumbered, every key): the
    // events are still recognised. Another choice of title is another event.
    CEventList calendar;
    calendar.SetFolder(f.data);
    ASSERT_FALSE(calendar.Load());
    ASSERT_FALSE(calendar.Save());
    EXPECT_EQ(ConvertOldEvents(f.old, f.data, {true, false}, kNoTitle).counts.added, 0);
    EXPECT_EQ(ConvertOldEvents(f.old, f.data, {false, false}, kNoTitle).counts.added, 1);
}

TEST(EventCarry, OldFileMissingOrNotRecognisedWritesNothing) {
    {
        const Folders f = MakeFolders({});
        const CARRY_RESULT result = ConvertOldEvents(f.old, f.data, {}, kNoTitle);
        EXPECT_EQ(result.oldFileState, OldFileState::Missing);
        EXPECT_EQ(result.version, 0);
    }
    {
        const Folders f = MakeFolders("*** VESSANT 9 ***\r\n\r\n" + UsrRecordBytes({}));
        const CARRY_RESULT result = ConvertOldEvents(f.old, f.data, {}, kNoTitle);
        EXPECT_EQ(result.oldFileState, OldFileState::NotRecognised);
        EXPECT_EQ(result.version, 0);
        EXPECT_FALSE(fs::exists(f.data / "events.ini"));
    }
    {
        const Folders f = MakeFolders({});
        fs::create_directory(f.old / kOldEventFileName);
        EXPECT_EQ(ConvertOldEvents(f.old, f.data, {}, kNoTitle).oldFileState, OldFileState::Unreadable);
    }
}

TEST(EventCarry, ADataFileThatCannotBeReadOrWrittenIsReportedAndLeftWhole) {
    {
        // events.ini is there but cannot be read: writing it would lose its events.
        const Folders f = MakeFolders(UsrFile(2, kThreeEvents));
        fs::create_directory(f.data / "events.ini");
        const CARRY_RESULT result = ConvertOldEvents(f.old, f.data, {}, kNoTitle);
        EXPECT_EQ(result.failure, DataFileFailure::Read);
        EXPECT_EQ(result.dataFile, f.data / "events.ini");
        EXPECT_TRUE(result.failureError);
    }
    {
        // The disk fills up while the file is written: the old file stays as it was.
        std::vector<UsrRecord> many;
        for (int i = 0; i < 200; ++i)
            many.push_back({1, 3, 1950, 4, 1 + i % 28, "Person number " + std::to_string(i), ""});
        const Folders f = MakeFolders(UsrFile(2, many));
        const std::wstring existing = L"[0]\r\ntitle=Keep me\r\njdn=2451545\r\ntype=5\r\ncal=2\r\n";
        WriteUtf16File(f.data / "events.ini", existing);
        CARRY_RESULT result;
        {
            FileSizeLimit full(4096);
            result = ConvertOldEvents(f.old, f.data, {}, kNoTitle);
        }
        EXPECT_EQ(result.failure, DataFileFailure::Write);
        EXPECT_TRUE(result.failureError);
        EXPECT_EQ(Utf16Text(f.data / "events.ini"), existing);
    }
}

TEST(LocationCarry, AppendsRowsFromTheFirstFreeKey) {
    const std::string loc = LocFile({"L Israel Haifa 32 49 1 34 59 1 18 15", "L USA Boston 71 3 2 42 21 1 10 25"});
    struct Case {
        const char* name;
        std::wstring existing;  // options.ini before, empty for none
        std::vector<int> keys;
    };
    std::wstring hundredRows = L"[locations]\r\n";
    for (int n = 0; n < 100; ++n)
        hundredRows += std::to_wstring(n) + L"=Town" + std::to_wstring(n) + L"\tUSA\t80\t0\t2\t40\t26\t1\t10\t25\t1\t3\t2\t\r\n";
    const Case cases[] = {
        {"no options.ini", L"", {0, 1}},
        {"two rows", L"[Display]\r\nView=2\r\n[locations]\r\n0=Jerusalem\tIsrael\t35\t14\t1\t31\t46\t1\t18\t15\t0\t1\t6\tdefault\r\n"
                     L"1=Pittsburgh\tPA\t80\t0\t2\t40\t26\t1\t10\t25\t1\t3\t2\t\r\n[Zmanim]\r\nShita=1\r\n", {2, 3}},
        {"an empty row is free", L"[locations]\r\n0=A\tB\t1\t1\t1\t1\t1\t1\t1\t1\t1\t1\t1\t\r\n1=\r\n", {1, 2}},
        {"a hundred rows", hundredRows, {100, 101}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Folders f = MakeFolders({}, loc);
        if (!c.existing.empty())
            WriteUtf16File(f.data / "options.ini", c.existing);
        const CARRY_RESULT result = ConvertOldLocations(f.old, f.data);
        ASSERT_FALSE(result.Failed());
        EXPECT_EQ(result.counts.added, 2);
        const auto options = platform::ProfileFile::Open(f.data / "options.ini");
        EXPECT_TRUE(options.hadByteOrderMark());
        EXPECT_EQ(options.GetString(L"locations", std::to_wstring(c.keys[0])).substr(0, 12), L"Haifa\tIsrael");
        EXPECT_EQ(options.GetString(L"locations", std::to_wstring(c.keys[1])).substr(0, 10), L"Boston\tUSA");
        // Other sections and rows survive unchanged.
        const std::wstring after = Utf16Text(f.data / "options.ini");
        for (const std::wstring& line : {std::wstring(L"View=2"), std::wstring(L"Shita=1"), std::wstring(L"\tdefault")})
            if (c.existing.find(line) != std::wstring::npos) {
                EXPECT_NE(after.find(line), std::wstring::npos) << platform::Utf8FromWide(line);
            }
    }
}

TEST(LocationCarry, TheCalendarReadsCarriedRowsInIsraelLongitudeFirst) {
    // Whether or not the calendar has written options.ini before, Haifa ends up at
    // 34° 59' E, 32° 49' N once the calendar has loaded it.
    const std::string loc = LocFile({"L Israel Haifa 32 49 1 34 59 1 18 15"});
    for (const bool calendarWroteFirst : {false, true}) {
        SCOPED_TRACE(calendarWroteFirst);
        const Folders f = MakeFolders({}, loc);
        if (calendarWroteFirst)
            WriteUtf16File(f.data / "options.ini", L"[Version]\r\nINI=0.0.0.0\r\nProgram=3.2.46.29\r\n");
        ASSERT_FALSE(ConvertOldLocations(f.old, f.data).Failed());
        const auto options = platform::ProfileFile::Open(f.data / "options.ini");
        const VERSION_NUMBER stored = StoredProgramVersion(options);
        LOCATION_LIST list;
        LoadLocations(list, options, {HasOldLocationRows(stored), IsFreshVersion(stored), [](std::int32_t) { return false; }});
        const auto haifa = std::find_if(list.locations.begin(), list.locations.end(),
                                        [](const LOC_STRUCT& l) { return l.city == L"Haifa"; });
        ASSERT_NE(haifa, list.locations.end());
        EXPECT_EQ(haifa->longitudeDegrees, 34);
        EXPECT_EQ(haifa->longitudeMinutes, 59);
        EXPECT_EQ(haifa->latitudeDegrees, 32);
        EXPECT_EQ(haifa->latitudeMinutes, 49);
        EXPECT_EQ(haifa->diaspora, 0);
    }
}

TEST(LocationCarry, ASecondTransferAddsNothingEvenAfterTheCalendarChangedTheRows) {
    const Folders f = MakeFolders({}, LocFile({"L Israel Haifa 32 49 1 34 59 1 18 15", "L ISRAEL Safed 32 58 1 35 29 1 18 15",
                                               "L USA Boston 71 3 2 42 21 1 10 25", "L USA Boston 71 3 2 42 21 1 10 25",
                                               "L USA broken 1 2"}));
    const CARRY_RESULT first = ConvertOldLocations(f.old, f.data);
    EXPECT_EQ(first.counts.added, 3);
    EXPECT_EQ(first.counts.alreadyPresent, 1);
    EXPECT_EQ(first.counts.skipped, 1);

    // The calendar loads the fresh file (exchanging Haifa's coordinates, marking Safed in
    // Israel), the user picks a shita and a default, and it saves with its version.
    auto options = platform::ProfileFile::Open(f.data / "options.ini");
    LOCATION_LIST list;
    LoadLocations(list, options, {true, true, [](std::int32_t) { return false; }});
    for (LOC_STRUCT& location : list.locations)
        location.shita = 2;
    list.defaultIndex = 1;
    SaveLocations(list, options);
    options.WriteString(L"Version", L"Program", L"3.2.46.29");
    ASSERT_FALSE(options.Save());
    const std::string bytes = ReadBytes(f.data / "options.ini");

    const CARRY_RESULT second = ConvertOldLocations(f.old, f.data);
    EXPECT_EQ(second.counts.added, 0);
    EXPECT_EQ(second.counts.alreadyPresent, 4);
    EXPECT_EQ(ReadBytes(f.data / "options.ini"), bytes);
}

TEST(LocationCarry, OptionsThatCannotBeReadAreLeftAlone) {
    const Folders f = MakeFolders({}, LocFile({"L USA Boston 71 3 2 42 21 1 10 25"}));
    fs::create_directory(f.data / "options.ini");
    const CARRY_RESULT result = ConvertOldLocations(f.old, f.data);
    EXPECT_EQ(result.failure, DataFileFailure::Read);
    EXPECT_EQ(result.counts.added, 0);

    const Folders g = MakeFolders({}, "*** VESSANT32 2.0\r\n*** LOC VER 999 ***\r\n");
    EXPECT_EQ(ConvertOldLocations(g.old, g.data).oldFileState, OldFileState::NotRecognised);
    EXPECT_FALSE(fs::exists(g.data / "options.ini"));
}

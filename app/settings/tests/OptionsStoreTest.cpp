#include "app/settings/OptionKeys.h"
#include "app/settings/OptionsStore.h"

#include "platform/TextCodec.h"
#include "testsupport/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

using namespace vessant;
using namespace vessant::testsupport;
namespace fs = std::filesystem;

namespace {

// A store on its own folder, holding `contents` as options.ini when given.
COptionsStore StoreWithFile(const std::string& name, const std::string* contents) {
    const fs::path folder = FreshFolder(name);
    if (contents)
        WriteBytes(folder / "options.ini", *contents);
    COptionsStore store;
    store.SetDataFolder(folder);
    return store;
}

} // namespace

TEST(OptionsStore, AFreshStartWritesEveryKeyWithItsDefaultInTableOrder) {
    COptionsStore store = StoreWithFile("fresh", nullptr);
    ASSERT_FALSE(store.Load());
    EXPECT_EQ(store.options().freshFile, 1);
    EXPECT_EQ(store.options().showNewFeatures, 1);
    ASSERT_FALSE(store.SaveAll());

    // The expected file, written out by hand from the key table.
    const std::string expected = ReadBytes(fs::path(VESSANT_TEST_DATA) / "fresh_options.txt");
    std::wstring expectedText;
    for (char c : expected) {
        if (c == '\n')
            expectedText += L'\r';
        expectedText += static_cast<wchar_t>(c);
    }
    EXPECT_EQ(Utf16Text(store.options().iniPath), expectedText);

    // The next start finds the current version: no new features, nothing changes.
    COptionsStore next;
    next.SetDataFolder(store.options().dataFolder);
    ASSERT_FALSE(next.Load());
    EXPECT_EQ(next.options().freshFile, 0);
    EXPECT_EQ(next.options().showNewFeatures, 0);
    ASSERT_FALSE(next.SaveAll());
    EXPECT_EQ(Utf16Text(store.options().iniPath), expectedText);
}

TEST(OptionsStore, TheStoredVersionDecidesFreshFileOldLocationRowsAndNewFeatures) {
    struct Case { const wchar_t* program; int fresh; int oldRows; int newFeatures; };
    const Case cases[] = {
        {L"3.1.99.0", 0, 0, 1},   // minor 1 < 2
        {L"3.2.0.0", 0, 1, 0},    // build 0 < 36 counts as old rows on its own
        {L"4.0.0.0", 0, 1, 1},    // minor 0 < 2, though major is newer
        {L"3.1.35.0", 0, 1, 1},
        {L"2.9.99.0", 0, 1, 1},
        {L"4.0.50.0", 0, 1, 1},   // minor 0 < 1
        {L"3.1.36.0", 0, 0, 1},
        {L"3.2.46.29", 0, 0, 0},
        {L"3.2", 0, 1, 0},        // the numbers that parse count, the rest are 0
        {L"0.0.0.0", 1, 1, 1},
        {L"unreadable", 1, 1, 1},
        {nullptr, 1, 1, 1},       // no Program key at all
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program ? platform::Utf8FromWide(c.program) : "missing");
        const std::string file = Utf16File(c.program ? std::wstring(L"[Version]\r\nProgram=") + c.program + L"\r\n"
                                                     : std::wstring(L"[Display]\r\nView=2\r\n"));
        COptionsStore store = StoreWithFile("versions", &file);
        int oldRowsSeen = -1;
        int freshSeen = -1;
        store.SetLocationSection({[&](const platform::ProfileFile&, OPTIONS_STRUCT& options) {
                                      oldRowsSeen = options.oldLocationRows;
                                      freshSeen = options.freshFile;
                                  },
                                  {}});
        ASSERT_FALSE(store.Load());
        EXPECT_EQ(store.options().freshFile, c.fresh);
        EXPECT_EQ(freshSeen, c.fresh);
        EXPECT_EQ(oldRowsSeen, c.oldRows);
        EXPECT_EQ(store.options().oldLocationRows, 0) << "cleared once the locations are read";
        EXPECT_EQ(store.options().showNewFeatures, c.newFeatures);
        EXPECT_EQ(store.profile().GetString(L"version", L"program"), L"3.2.46.29");
    }
}

TEST(OptionsStore, ParsesVersionsLikeAScanner) {
    struct Case { const wchar_t* text; VERSION_NUMBER expected; };
    const Case cases[] = {
        {L"3.2.46.29", {3, 2, 46, 29}},
        {L" 3. 1.-5.+7 trailing", {3, 1, -5, 7}},
        {L"3 .2.46.29", {3, 0, 0, 0}}, // a blank before the dot ends the scan
        {L"3..46.29", {3, 0, 0, 0}},
        {L"", {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(platform::Utf8FromWide(c.text));
        const VERSION_NUMBER v = ParseVersion(c.text);
        EXPECT_EQ(FormatVersion(v), FormatVersion(c.expected));
    }
    EXPECT_EQ(FormatVersion(ProgramVersion()), L"3.2.46.29");
}

TEST(OptionsStore, ReadsKeysInAnyLetterCaseAndKeepsWhatItDoesNotKnow) {
    const std::string file = Utf16File(
        L"; kept comment\r\n"
        L"[VERSION]\r\nprogram=3.2.46.29\r\n"
        L"[DISPLAY]\r\nlanguage=13\r\nCustom=5\r\nview = 3\r\n"
        L"[month DISPLAY]\r\nday DOUBLE click=0\r\n"
        L"[print]\r\nWEEKLY ZMANIM=0\r\n"
        L"[colors]\r\nHOVER OFFSET=-3\r\nSystray Date=255\r\n"
        L"[ZMANIM]\r\nshita=4\r\n"
        L"[Unknown]\r\nfoo=bar\r\n");
    COptionsStore store = StoreWithFile("case", &file);
    ASSERT_FALSE(store.Load());
    const OPTIONS_STRUCT& o = store.options();
    EXPECT_EQ(o.language, 13);
    EXPECT_EQ(o.view, 3);
    EXPECT_EQ(o.dayDoubleClick, 0);
    EXPECT_EQ(o.printWeeklyZmanim, 0);
    EXPECT_EQ(o.hoverOffset, -3);
    EXPECT_EQ(o.colorSystrayDate, 255);
    EXPECT_EQ(o.shita, 4);
    EXPECT_EQ(o.clockFormat, 12); // missing: its default

    store.options().zmanimLines = 1;
    ASSERT_FALSE(store.SaveAll());
    const auto saved = platform::ProfileFile::Open(o.iniPath);
    // No second copy of a section was made for the other spelling.
    EXPECT_EQ(saved.SectionNames(),
              (std::vector<std::wstring>{L"VERSION", L"DISPLAY", L"month DISPLAY", L"print", L"colors", L"ZMANIM",
                                         L"Unknown", L"Calendar", L"Interface", L"Limudim", L"Fonts"}));
    EXPECT_EQ(saved.GetString(L"Unknown", L"foo"), L"bar");
    EXPECT_EQ(saved.GetInt(L"Display", L"Custom", 0), 5);
    EXPECT_EQ(saved.GetInt(L"Zmanim", L"Shita", 0), 4); // read, never written, still there
    EXPECT_EQ(saved.GetInt(L"Month Display", L"Day double click", 1), 0);
    EXPECT_TRUE(Utf16Text(o.iniPath).starts_with(L"; kept comment\r\n[VERSION]\r\nprogram=3.2.46.29\r\nINI=0.0.0.0\r\n"));
}

TEST(OptionsStore, ValuesRoundTripThroughTheFile) {
    COptionsStore store = StoreWithFile("roundtrip", nullptr);
    ASSERT_FALSE(store.Load());
    EXPECT_EQ(store.options().hoverOffset, -15);
    store.options().shabbatOffset = -7;
    store.options().colorTodayBg = 0x00FFEEDD;
    store.options().language = 13;
    store.options().zmanimLines = 4; // written as it stands, but never read back
    ASSERT_FALSE(store.SaveAll());

    COptionsStore next;
    next.SetDataFolder(store.options().dataFolder);
    ASSERT_FALSE(next.Load());
    EXPECT_EQ(next.options().hoverOffset, -15);
    EXPECT_EQ(next.options().shabbatOffset, -7);
    EXPECT_EQ(next.options().colorTodayBg, 0x00FFEEDD);
    EXPECT_EQ(next.options().language, 13);
    EXPECT_EQ(next.options().zmanimLines, 1);
    EXPECT_EQ(next.profile().GetInt(L"Display", L"Zmanim Lines", 0), 4);
}

TEST(OptionsStore, AFileWithoutByteOrderMarkIsConvertedAndKeptAsTxt) {
    const fs::path fixture = fs::path(VESSANT_TEST_DATA) / "ansi_options.ini";
    const std::string original = ReadBytes(fixture);
    COptionsStore store = StoreWithFile("ansi", &original);
    const fs::path ini = store.options().iniPath;
    ASSERT_FALSE(store.Load());

    EXPECT_EQ(ReadBytes(fs::path(ini) += ".txt"), original);
    const auto converted = platform::ProfileFile::Open(ini);
    EXPECT_TRUE(converted.hadByteOrderMark());
    EXPECT_EQ(store.options().language, 13);
    EXPECT_EQ(store.options().view, 3);
    EXPECT_EQ(store.options().hoverOffset, -20);
    EXPECT_EQ(store.options().showNewFeatures, 1);
    EXPECT_EQ(converted.GetString(L"Version", L"Program"), L"3.2.46.29");
    EXPECT_EQ(converted.GetString(L"Display", L"Window Placement"), L"0,1,-1,-1,-1,-1,120,80,1020,760");
    EXPECT_EQ(converted.GetString(L"My Notes", L"note"), L"café crème \u201Cbest\u201D");
    EXPECT_EQ(converted.GetString(L"locations", L"1"),
              L"Jerusalem\tIsrael\t35\t14\t1\t31\t46\t1\t18\t15\t0\t1\t6\tdefault");
    const std::wstring text = Utf16Text(ini);
    // The locations rows are carried over character for character, trailing tabs included.
    EXPECT_NE(text.find(L"[locations]\r\n0=Zürich\tSwitzerland\t8\t32\t1\t47\t22\t1\t19\t21\t1\t3\t2\t\t\r\n"),
              std::wstring::npos);
    EXPECT_NE(text.find(L"[My Notes]\r\n; written by hand\r\n"), std::wstring::npos);

    const auto placement = store.StoredWindowPlacement();
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->right, 1020);

    // Converted once: the next start leaves the kept copy alone.
    WriteBytes(fs::path(ini) += ".txt", "older copy");
    COptionsStore next;
    next.SetDataFolder(store.options().dataFolder);
    ASSERT_FALSE(next.Load());
    EXPECT_EQ(ReadBytes(fs::path(ini) += ".txt"), "older copy");
    EXPECT_EQ(next.options().showNewFeatures, 0);
}

TEST(OptionsStore, ADamagedFileKeepsEveryReadableSettingAndLine) {
    // Garbage between the settings, NUL characters, a last line cut off mid-character.
    const std::string original = ReadBytes(fs::path(VESSANT_TEST_DATA) / "damaged_options.ini");
    ASSERT_EQ(original.size() % 2, 1u);
    COptionsStore store = StoreWithFile("damaged", &original);
    ASSERT_FALSE(store.Load());
    EXPECT_EQ(store.options().view, 3);
    EXPECT_EQ(store.options().hoverOffset, -9);
    EXPECT_EQ(store.options().fontSize, 1);
    EXPECT_EQ(store.options().printLastView, 2);
    ASSERT_FALSE(store.SaveAll());

    // Every line that was read is still in the file, in its order, amid the new keys.
    auto lines = [](std::wstring_view text) {
        std::vector<std::wstring> out;
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = std::min(text.find(L"\r\n", start), text.size());
            out.emplace_back(text.substr(start, end - start));
            start = end + 2;
        }
        return out;
    };
    const std::string before = platform::ProfileFile::FromBytes(original).Serialize();
    const auto wanted = lines(platform::WideFromUtf16Le(before.substr(2)));
    const auto saved = lines(Utf16Text(store.options().iniPath));
    std::size_t found = 0;
    for (const auto& line : saved)
        if (found < wanted.size() && line == wanted[found])
            ++found;
    EXPECT_EQ(found, wanted.size());
    EXPECT_GE(wanted.size(), 11u);

    COptionsStore next;
    next.SetDataFolder(store.options().dataFolder);
    ASSERT_FALSE(next.Load());
    EXPECT_EQ(next.options().hoverOffset, -9);
    EXPECT_EQ(next.options().printLastView, 2);
}

TEST(OptionsStore, AFailedConversionLeavesTheOldFileAsItWas) {
    const std::string original = ReadBytes(fs::path(VESSANT_TEST_DATA) / "ansi_options.ini");
    COptionsStore store = StoreWithFile("ansi_blocked", &original);
    const fs::path ini = store.options().iniPath;
    fs::create_directory(fs::path(ini) += ".txt"); // the copy cannot be made
    EXPECT_TRUE(store.Load());
    EXPECT_EQ(ReadBytes(ini), original);
    EXPECT_EQ(store.options().language, 13) << "the settings are still read";
}

TEST(OptionsStore, TheLocationsSectionSurvivesEverySaveUntouched) {
    const std::string file = Utf16File(
        L"[Version]\r\nINI=0.0.0.0\r\nProgram=3.2.46.29\r\n"
        L"[locations]\r\n0=Haifa\tIsrael\t34\t59\t1\t32\t49\t1\t18\t15\t0\t1\t5\t\t\r\n"
        L"1=Pittsburgh\tPA\t80\t0\t2\t40\t26\t1\t10\t25\t1\t3\t2\tdefault\t\r\n"
        L"[Display]\r\nView=3\r\n");
    COptionsStore store = StoreWithFile("locations", &file);
    ASSERT_FALSE(store.Load());
    ASSERT_FALSE(store.SaveAll());
    store.options().view = 2;
    ASSERT_FALSE(store.SaveAll());
    ASSERT_FALSE(store.SaveWindowPlacement({0, 1, -1, -1, -1, -1, 10, 20, 810, 620}));
    const std::wstring text = Utf16Text(store.options().iniPath);
    EXPECT_NE(text.find(L"[locations]\r\n0=Haifa\tIsrael\t34\t59\t1\t32\t49\t1\t18\t15\t0\t1\t5\t\t\r\n"
                        L"1=Pittsburgh\tPA\t80\t0\t2\t40\t26\t1\t10\t25\t1\t3\t2\tdefault\t\r\n[Display]\r\n"),
              std::wstring::npos);

    // A store that saves before loading still keeps what the file holds.
    COptionsStore unloaded;
    unloaded.SetDataFolder(store.options().dataFolder);
    ASSERT_FALSE(unloaded.SaveAll());
    EXPECT_EQ(platform::ProfileFile::Open(store.options().iniPath).KeyNames(L"locations"),
              (std::vector<std::wstring>{L"0", L"1"}));
}

TEST(OptionsStore, ALocationStorePlugsIntoLoadAndSave) {
    COptionsStore store = StoreWithFile("hooks", nullptr);
    std::vector<std::string> calls;
    store.SetLocationSection({
        [&](const platform::ProfileFile& profile, OPTIONS_STRUCT& options) {
            calls.push_back("read");
            options.locationRowsRead = profile.HasKey(L"locations", L"0") ? 1 : 2;
            options.defaultLocation = 1;
        },
        [&](platform::ProfileFile& profile, const OPTIONS_STRUCT& options) {
            calls.push_back("write");
            profile.DeleteSection(L"locations");
            for (int row = 0; row < options.locationRowsRead; ++row)
                profile.WriteString(L"locations", std::to_wstring(row), L"row " + std::to_wstring(row));
        }});
    ASSERT_FALSE(store.Load());
    EXPECT_EQ(calls, (std::vector<std::string>{"read", "write"})); // a fresh file gets its rows
    EXPECT_EQ(store.options().locationRowsRead, 2);
    EXPECT_EQ(store.options().defaultLocation, 1);
    ASSERT_FALSE(store.SaveAll());
    EXPECT_EQ(calls.size(), 3u);
    const auto saved = platform::ProfileFile::Open(store.options().iniPath);
    EXPECT_EQ(saved.GetString(L"locations", L"1"), L"row 1");
    EXPECT_EQ(saved.SectionNames().back(), L"locations");
}

TEST(OptionsStore, FailedSavesAreReportedAndKeepTheOldFile) {
    // A data folder that cannot exist: its parent is a regular file (root cannot write
    // there either).
    const fs::path folder = FreshFolder("unwritable");
    WriteBytes(folder / "plain", "x");
    COptionsStore store;
    store.SetDataFolder(folder / "plain" / "Vessant 3");
    ASSERT_FALSE(store.Load()) << "a missing file only gives defaults";
    EXPECT_EQ(store.SaveAll(), std::errc::not_a_directory);
    EXPECT_EQ(store.SaveWindowPlacement({}), std::errc::not_a_directory);

    // The file's place is taken by a folder: the save fails and the folder stays.
    COptionsStore blocked;
    blocked.SetDataFolder(folder);
    fs::create_directory(folder / "options.ini");
    ASSERT_FALSE(blocked.Load());
    EXPECT_TRUE(blocked.SaveAll());
    EXPECT_TRUE(fs::is_directory(folder / "options.ini"));
}

TEST(OptionsStore, TheStartPlacementComesFromTheFileOrTheDefaultRule) {
    struct Case {
        const wchar_t* stored;
        int minimizeStartup;
        std::uint32_t callerShow;
        int width, height;
        WINDOW_PLACEMENT expected;
    };
    const Case cases[] = {
        {nullptr, 0, 1, 1024, 768, {0, 1, 1, 1, 1, 1, 35, 30, 900, 700}},
        {nullptr, 1, 1, 800, 600, {0, 1, 1, 1, 1, 1, 35, 30, 750, 450}},   // minimise needs a placement
        {L"0,1,-1,-1,-1,-1,35,30,900", 0, 1, 800, 600, {0, 1, 1, 1, 1, 1, 35, 30, 750, 450}}, // nine numbers
        {L"0,1,-1,-1,-1,-1,5,6,700,500", 0, 1, 1024, 768, {0, 1, -1, -1, -1, -1, 5, 6, 700, 500}},
        {L"0,3,-1,-1,-1,-1,5,6,700,500", 1, 1, 1024, 768, {0, 2, -1, -1, -1, -1, 5, 6, 700, 500}},
        {L"0,1,-1,-1,-1,-1,5,6,700,500", 0, 3, 1024, 768, {0, 3, -1, -1, -1, -1, 5, 6, 700, 500}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? platform::Utf8FromWide(c.stored) : "none");
        std::wstring text = L"[Interface]\r\nMinimize Startup=" + std::to_wstring(c.minimizeStartup) + L"\r\n";
        if (c.stored)
            text += std::wstring(L"[display]\r\nWindow Placement=") + c.stored + L"\r\n";
        const std::string file = Utf16File(text);
        COptionsStore store = StoreWithFile("placement", &file);
        ASSERT_FALSE(store.Load());
        EXPECT_EQ(store.ReadWindowPlacement(c.callerShow, c.width, c.height), c.expected);
    }
}

TEST(OptionsStore, TheClosingPlacementIsWrittenIntoTheDisplaySection) {
    COptionsStore store = StoreWithFile("closing", nullptr);
    ASSERT_FALSE(store.Load());
    ASSERT_FALSE(store.SaveAll());
    ASSERT_FALSE(store.SaveWindowPlacement({2, kShowMinimized, -32000, -32000, -1, -1, 35, 30, 900, 700}));
    const auto saved = platform::ProfileFile::Open(store.options().iniPath);
    EXPECT_EQ(saved.GetString(L"Display", L"Window Placement"), L"2,3,-32000,-32000,-1,-1,35,30,900,700");
    EXPECT_EQ(saved.KeyNames(L"Display").back(), L"Window Placement");
}

TEST(OptionsStore, TheDataFolderIsNamedAfterTheProgramAndCreated) {
    const fs::path base = FreshFolder("datafolder");
    ::unsetenv("VESSANT_DATA_DIR");
    ::setenv("XDG_DATA_HOME", (base / "xdg").c_str(), 1);
    EXPECT_EQ(SettingsDataFolder(), base / "xdg" / "Vessant 3");
    EXPECT_TRUE(fs::is_directory(base / "xdg" / "Vessant 3"));

    ::setenv("VESSANT_DATA_DIR", (base / "portable" / "data").c_str(), 1);
    EXPECT_EQ(SettingsDataFolder(), base / "portable" / "data");
    EXPECT_TRUE(fs::is_directory(base / "portable" / "data"));
    ::unsetenv("VESSANT_DATA_DIR");
}

TEST(OptionsStore, EveryKeyFillsItsOwnField) {
    // Two rows on one field would leave another field never read or written.
    std::vector<std::int32_t OPTIONS_STRUCT::*> fields;
    for (const OPTION_KEY& row : OptionKeyTable()) {
        SCOPED_TRACE(platform::Utf8FromWide(row.key));
        EXPECT_EQ(std::count(fields.begin(), fields.end(), row.field), 0);
        fields.push_back(row.field);
    }
    EXPECT_EQ(DefaultOptions().zmanimLines, 1);
}

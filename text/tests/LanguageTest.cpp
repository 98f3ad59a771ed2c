#include "text/BuiltinStrings.h"
#include "text/Language.h"
#include "text/StringModule.h"
#include "text/TextTable.h"
#include "testsupport/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

using namespace vessant;
namespace fs = std::filesystem;

namespace {

const fs::path kFixtures = VESSANT_TEST_DATA;

// Texts of the Hebrew fixture module.
const std::wstring kHebrewSunday = L"\u05D9\u05D5\u05DD \u05E8\u05D0\u05E9\u05D5\u05DF";
const std::wstring kHebrewTishrei = L"\u05EA\u05E9\u05E8\u05D9";
const std::wstring kHebrewTitle = L"\u05D5\u05E1\u05E0\u05D8 3";

// Each test starts as the program does: nothing loaded, the table empty.
class LanguageLoading : public ::testing::Test {
protected:
    void SetUp() override {
        LanguageState() = LANGUAGE_STATE{};
        SetResourceModule(std::nullopt);
        ClearTextTable();
    }
    void TearDown() override {
        LanguageState() = LANGUAGE_STATE{};
        LoadLanguage(kLanguageEnglish);
    }
};

// Every resource-backed slot holds its built-in English text.
void ExpectEnglishTable() {
    for (int id = 1; id < 65536; ++id) {
        const int slot = SlotOfResource(id);
        if (slot < 0)
            continue;
        SCOPED_TRACE(id);
        ASSERT_NE(BuiltinString(id), nullptr);
        EXPECT_EQ(Text(slot), BuiltinString(id));
    }
}

} // namespace

TEST(LanguageIds, LocaleNamesGiveTheirPrimaryLanguage) {
    struct Case {
        const char* locale;
        int id;
    };
    constexpr Case cases[] = {
        {"he_IL.UTF-8", 13}, {"he", 13},       {"iw_IL", 13},       {"en_US.UTF-8", 9}, {"en_GB", 9},
        {"fr_FR@euro", 12},  {"de-DE", 7},     {"C", 0},            {"C.UTF-8", 0},     {"POSIX", 0},
        {"", 0},             {"h", 0},         {"hey_XX", 0},       {"xx_YY", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        EXPECT_EQ(LanguageIdOfLocale(c.locale), c.id);
    }
}

TEST(LanguageIds, SystemLanguageFollowsLocalePrecedence) {
    struct Saved {
        const char* name;
        std::optional<std::string> value;
    };
    Saved saved[] = {{"LC_ALL", {}}, {"LC_MESSAGES", {}}, {"LANG", {}}};
    for (auto& s : saved) {
        if (const char* v = std::getenv(s.name))
            s.value = v;
    }
    struct Case {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        int expected;
    };
    constexpr Case cases[] = {
        {nullptr, nullptr, "he_IL.UTF-8", 13},
        {nullptr, "en_US.UTF-8", "he_IL.UTF-8", 9},
        {"he_IL.UTF-8", "en_US.UTF-8", "en_US.UTF-8", 13},
        {"C", nullptr, "he_IL.UTF-8", 0},   // LC_ALL wins even when it names no language
        {"", nullptr, "he_IL.UTF-8", 13},   // an empty variable counts as unset
        {nullptr, nullptr, nullptr, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.lcAll ? c.lcAll : "-") << " " << (c.lcMessages ? c.lcMessages : "-")
                                        << " " << (c.lang ? c.lang : "-"));
        const char* values[] = {c.lcAll, c.lcMessages, c.lang};
        for (int k = 0; k < 3; ++k) {
            if (values[k])
                ::setenv(saved[k].name, values[k], 1);
            else
                ::unsetenv(saved[k].name);
        }
        DetectSystemLanguage();
        EXPECT_EQ(LanguageState().systemLanguage, c.expected);
    }
    for (const auto& s : saved) {
        if (s.value)
            ::setenv(s.name, s.value->c_str(), 1);
        else
            ::unsetenv(s.name);
    }
}

TEST(LanguageIds, ModuleFileNameIsTwoLowerCaseHexDigits) {
    EXPECT_EQ(LanguageModuleFileName(13), L"Vessant3_0d.lng");
    EXPECT_EQ(LanguageModuleFileName(9), L"Vessant3_09.lng");
    EXPECT_EQ(LanguageModuleFileName(0x1a), L"Vessant3_1a.lng");
    EXPECT_EQ(LanguageModuleFileName(255), L"Vessant3_ff.lng");
}

TEST_F(LanguageLoading, HebrewModuleReplacesItsTextsAndKeepsEnglishForTheRest) {
    EXPECT_EQ(LoadLanguage(kLanguageHebrew, kFixtures), kLanguageHebrew);
    EXPECT_EQ(LanguageState().loadedLanguage, kLanguageHebrew);
    EXPECT_TRUE(IsHebrewInterface());
    EXPECT_EQ(Text(150), kHebrewSunday);
    EXPECT_EQ(Text(166), kHebrewTishrei);
    EXPECT_EQ(Text(703), L"This calendar printed by Vessant 3 - Easy Hebrew / civil calendar.");
    EXPECT_EQ(Text(704), L"\u05D4\u05D6\u05DE\u05E0\u05D9\u05DD \u05DC\u05E4\u05D9 \u05D4\u05D0\u05E4\u05E7 \u05D1%s, %s.");
    // An empty table takes English where the module is silent, so no label is ever blank.
    EXPECT_EQ(Text(151), L"Monday");
    EXPECT_EQ(Text(617), L"\u05D0"); // numerals are not resources
    // Lookups outside the table also see the module first, English otherwise.
    EXPECT_EQ(TextOfResource(780), L"\u05D0\u05D9\u05E9\u05D5\u05E8");
    EXPECT_EQ(TextOfResource(61702), L"Could not start print job.");
    EXPECT_EQ(MainWindowCaption(kLanguageHebrew), L"\u202A" + kHebrewTitle);
}

TEST_F(LanguageLoading, LanguageZeroMeansTheSystemLanguage) {
    LanguageState().systemLanguage = kLanguageHebrew;
    EXPECT_EQ(LoadLanguage(0, kFixtures), kLanguageHebrew);
    EXPECT_EQ(Text(150), kHebrewSunday);

    // An English desktop uses the built-in texts without looking for a module: a file
    // that claims to be English is never read.
    const fs::path folder = testsupport::FreshFolderForThisTest();
    testsupport::WriteBytes(folder / "Vessant3_09.lng", "129\tNot the built-in text\n");
    LanguageState().systemLanguage = kLanguageEnglish;
    EXPECT_EQ(LoadLanguage(0, folder), kLanguageEnglish);
    EXPECT_EQ(LanguageState().loadedLanguage, kLanguageEnglish);
    EXPECT_EQ(Text(150), L"Sunday");

    // A desktop language the program cannot tell falls back to English.
    LanguageState() = LANGUAGE_STATE{};
    EXPECT_EQ(LoadLanguage(0, kFixtures), kLanguageEnglish);
    EXPECT_EQ(LanguageState().loadedLanguage, 0);
}

TEST_F(LanguageLoading, MissingModuleLeavesEnglishAndTheLoadedLanguageAlone) {
    const fs::path empty = testsupport::FreshFolderForThisTest();
    EXPECT_EQ(LoadLanguage(kLanguageHebrew, empty), kLanguageEnglish);
    EXPECT_EQ(LanguageState().loadedLanguage, 0);
    EXPECT_FALSE(IsHebrewInterface());
    EXPECT_EQ(MainWindowCaption(kLanguageEnglish), L"Vessant 3");
    ExpectEnglishTable();

    // A folder that does not exist at all behaves the same.
    EXPECT_EQ(LoadLanguage(kLanguageHebrew, empty / "missing"), kLanguageEnglish);
    EXPECT_EQ(LanguageState().loadedLanguage, 0);
}

TEST_F(LanguageLoading, AStringTheModuleLacksKeepsThePreviousText) {
    ASSERT_EQ(LoadLanguage(kLanguageHebrew, kFixtures), kLanguageHebrew);
    const fs::path folder = testsupport::FreshFolderForThisTest();
    testsupport::WriteBytes(folder / "Vessant3_0c.lng", "130\tlundi\n161\t\n");
    EXPECT_EQ(LoadLanguage(12, folder), 12);
    EXPECT_EQ(LanguageState().loadedLanguage, 12);
    EXPECT_FALSE(IsHebrewInterface());
    EXPECT_EQ(Text(151), L"lundi");
    EXPECT_EQ(Text(150), kHebrewSunday);   // missing from the French module
    EXPECT_EQ(Text(166), kHebrewTishrei);  // present but empty counts as missing
    EXPECT_EQ(MainWindowCaption(12), kHebrewTitle);
}

TEST_F(LanguageLoading, ChoosingEnglishRestoresEveryTextAndEndsRightToLeft) {
    ASSERT_EQ(LoadLanguage(kLanguageHebrew, kFixtures), kLanguageHebrew);
    EXPECT_EQ(LoadLanguage(kLanguageEnglish, kFixtures), kLanguageEnglish);
    EXPECT_EQ(LanguageState().loadedLanguage, kLanguageEnglish);
    EXPECT_FALSE(IsHebrewInterface());
    EXPECT_EQ(MainWindowCaption(kLanguageEnglish), L"Vessant 3");
    EXPECT_EQ(TextOfResource(780), L"OK");
    ExpectEnglishTable();
}

TEST_F(LanguageLoading, AFailedSwitchAwayFromHebrewEndsRightToLeft) {
    ASSERT_EQ(LoadLanguage(kLanguageHebrew, kFixtures), kLanguageHebrew);
    const fs::path empty = testsupport::FreshFolderForThisTest();
    EXPECT_EQ(LoadLanguage(12, empty), kLanguageEnglish);
    // The Hebrew texts are gone, so the layout must not stay right to left.
    EXPECT_EQ(LanguageState().loadedLanguage, kLanguageEnglish);
    EXPECT_FALSE(IsHebrewInterface());
    ExpectEnglishTable();
}

TEST(LanguageModules, OfferedLanguagesAreEnglishThenEachModuleFile) {
    const fs::path first = testsupport::FreshFolderForThisTest("first");
    const fs::path second = testsupport::FreshFolderForThisTest("second");
    testsupport::WriteBytes(first / "Vessant3_0d.lng", "");
    testsupport::WriteBytes(first / "Vessant3_0c.lng", "");
    testsupport::WriteBytes(first / "Vessant3_09.lng", "");      // English is built in and listed once
    testsupport::WriteBytes(first / "Vessant3_0D.lng", "");      // upper case names no module
    testsupport::WriteBytes(first / "Vessant3_0d.dll", "");
    testsupport::WriteBytes(first / "Vessant3_1.lng", "");
    testsupport::WriteBytes(first / "Vessant3_zz.lng", "");
    testsupport::WriteBytes(first / "vessant3_07.lng", "");
    fs::create_directory(first / "Vessant3_10.lng");
    testsupport::WriteBytes(second / "Vessant3_0d.lng", "");
    testsupport::WriteBytes(second / "Vessant3_19.lng", "");
    EXPECT_EQ(AvailableLanguages({first, second, first / "missing"}),
              (std::vector<int>{9, 12, 13, 25}));
    const fs::path empty = testsupport::FreshFolderForThisTest("empty");
    EXPECT_EQ(AvailableLanguages({empty}), std::vector<int>{9});
}

TEST(LanguageModules, ParsingKeepsWellFormedLinesOnly) {
    const std::string text =
        "\xEF\xBB\xBF"                  // byte-order mark
        "# a comment\r\n"
        "129\tfirst\r\n"
        "\n"
        "130\tline\\none\\ttab\\\\back\\q\\\n"
        "131 no tab\n"
        "x132\tbad id\n"
        "133x\tbad id\n"
        "-5\tnegative\n"
        "0\tzero\n"
        "99999999999\ttoo big\n"
        "134\t\n"
        "135\tbroken \xFF byte\n"
        "129\tsecond\n"
        "136\ta\tb";                    // last line without line end; later tabs are text
    const StringModule module = StringModule::Parse(text);
    ASSERT_NE(module.Find(129), nullptr);
    EXPECT_EQ(*module.Find(129), L"second");
    EXPECT_EQ(*module.Find(130), L"line\none\ttab\\back\\q\\");
    EXPECT_EQ(module.Find(131), nullptr);
    EXPECT_EQ(module.Find(132), nullptr);
    EXPECT_EQ(module.Find(133), nullptr);
    EXPECT_EQ(module.Find(0), nullptr);
    EXPECT_EQ(module.Find(-5), nullptr);
    ASSERT_NE(module.Find(134), nullptr);
    EXPECT_TRUE(module.Find(134)->empty());
    EXPECT_EQ(*module.Find(135), L"broken \uFFFD byte");
    EXPECT_EQ(*module.Find(136), L"a\tb");
    EXPECT_EQ(module.size(), 5u);
}

TEST(LanguageModules, AnUnreadableFileIsNoModule) {
    const fs::path folder = testsupport::FreshFolderForThisTest();
    EXPECT_FALSE(StringModule::Load(folder / "Vessant3_0d.lng").has_value());
    EXPECT_FALSE(StringModule::Load(folder).has_value()); // a folder, not a file
    const auto fixture = StringModule::Load(kFixtures / "Vessant3_0d.lng");
    ASSERT_TRUE(fixture.has_value());
    EXPECT_EQ(fixture->size(), 5u);
}

TEST_F(LanguageLoading, AFolderNamedLikeAModuleIsNotLoaded) {
    const fs::path folder = testsupport::FreshFolderForThisTest();
    fs::create_directory(folder / "Vessant3_0d.lng");
    EXPECT_EQ(LoadLanguage(kLanguageHebrew, folder), kLanguageEnglish);
    EXPECT_EQ(LanguageState().loadedLanguage, 0);
    EXPECT_EQ(Text(150), L"Sunday");
}

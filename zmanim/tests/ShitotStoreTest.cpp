#include "zmanim/ShitotStore.h"

#include "platform/ProfileFile.h"
#include "testsupport/TestFiles.h"
#include "text/Language.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace vessant {
namespace {

namespace fs = std::filesystem;

class ShitotStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        LoadLanguage(kLanguageEnglish);
        folder_ = testsupport::FreshFolderForThisTest();
        store_.SetShitotFolder(folder_);
    }

    SHITA_STRUCT Values(int alot = 1) const {
        SHITA_STRUCT s = NewShitaDefaults();
        s.alotShita = alot;
        return s;
    }
    CShitotStore Reloaded() const {
        CShitotStore other;
        other.SetShitotFolder(folder_);
        other.LoadShitot();
        return other;
    }

    fs::path folder_;
    CShitotStore store_;
};

TEST_F(ShitotStoreTest, FilePathIsInTheDataFolder) {
    EXPECT_EQ(store_.FilePath(), folder_ / "shitot.ini");
}

TEST_F(ShitotStoreTest, MissingFileGivesAnEmptyList) {
    store_.LoadShitot();
    EXPECT_TRUE(store_.Shitot().empty());
    EXPECT_EQ(store_.LoadedCount(), 0);
}

TEST_F(ShitotStoreTest, SavedShitotComeBackWithEveryValue) {
    SHITA_STRUCT a = Values(6);
    a.alotVal = 1612;
    a.misheyakirShita = 4;
    a.misheyakirVal = -3;
    a.shemaShita = 5;
    a.shemaVal = 11;
    a.minchaGedolahShita = 2;
    a.minchaGedolahVal = 12;
    a.plagHaminchaShita = 13;
    a.plagHaminchaVal = 14;
    a.tzeitShita = 9;
    a.tzeitVal = 90;
    a.tchilatTaanitShita = 5;
    a.tchilatTaanitVal = 72;
    a.sofTaanitShita = 8;
    a.sofTaanitVal = 36;
    a.chametzShita = 7;
    a.chametzVal = 15;
    a.tzeitShabbatShita = 6;
    a.tzeitShabbatVal = 40;
    a.tosefetFrom = 2;
    a.tosefetType = 3;
    const ADD_SHITA_RESULT first = store_.AddShita(L"Mine", a);
    EXPECT_FALSE(first.saved);
    const ADD_SHITA_RESULT second = store_.AddShita(L"\u05E9\u05D9\u05D8\u05D4", Values(2));
    EXPECT_EQ(first.id, 100);
    EXPECT_EQ(second.id, 101);

    const CShitotStore other = Reloaded();
    ASSERT_EQ(other.Shitot().size(), 2u);
    EXPECT_EQ(other.LoadedCount(), 2);
    SHITA_STRUCT expected = a;
    expected.id = 100;
    expected.name = L"Mine";
    EXPECT_EQ(*other.Shitot()[0], expected);
    EXPECT_EQ(other.Shitot()[1]->name, L"\u05E9\u05D9\u05D8\u05D4");
    EXPECT_EQ(other.Shitot()[1]->alotShita, 2);
}

TEST_F(ShitotStoreTest, KeysAreWrittenInTheirOrder) {
    store_.AddShita(L"Order", Values());
    const platform::ProfileFile file = platform::ProfileFile::Open(store_.FilePath());
    const std::vector<std::wstring> expected = {
        L"id", L"alot shita", L"alot val", L"misheyakir shita", L"misheyakir val", L"shema shita",
        L"shema val", L"mincha gedolah shita", L"mincha gedolah val", L"plag hamincha shita",
        L"plag hamincha val", L"tzeit shita", L"tzeit val", L"tzeit shabbat shita", L"tzeit shabbat val",
        L"tzeit shabbat tosefet from", L"tzeit shabbat tosefet type", L"tchilat taanit shita",
        L"tchilat taanit val", L"sof taanit shita", L"sof taanit val", L"chametz shita", L"chametz val",
    };
    EXPECT_EQ(file.KeyNames(L"Order"), expected);
    // A shita made from the editor's defaults stores 0 for the values it never edits.
    for (const wchar_t* key : {L"misheyakir val", L"shema val", L"mincha gedolah val", L"plag hamincha shita",
                               L"plag hamincha val", L"chametz val"}) {
        EXPECT_EQ(file.GetString(L"Order", key), L"0") << key;
    }
}

TEST_F(ShitotStoreTest, MissingKeysReadZeroExceptTchilatTaanit) {
    fs::copy_file(fs::path(VESSANT_TEST_DATA) / "shitot-missing-keys.ini", store_.FilePath());
    store_.LoadShitot();
    ASSERT_EQ(store_.Shitot().size(), 2u);
    const SHITA_STRUCT& first = *store_.Shitot()[0];
    EXPECT_EQ(first.name, L"Old shita");
    EXPECT_EQ(first.id, 100);
    EXPECT_EQ(first.alotShita, 3);
    EXPECT_EQ(first.alotVal, 72);
    EXPECT_EQ(first.tzeitShita, 7);
    EXPECT_EQ(first.tchilatTaanitShita, 1);
    EXPECT_EQ(first.sofTaanitShita, 0);
    EXPECT_EQ(first.chametzShita, 0);
    const SHITA_STRUCT& second = *store_.Shitot()[1];
    EXPECT_EQ(second.id, 103);
    EXPECT_EQ(second.sofTaanitVal, 5);
    EXPECT_EQ(second.tchilatTaanitShita, 1);
    // The next shita follows the last one in the file.
    EXPECT_EQ(store_.AddShita(L"Next", Values()).id, 104);
}

TEST_F(ShitotStoreTest, IdsFollowTheLastShita) {
    EXPECT_EQ(store_.AddShita(L"A", Values()).id, 100);
    EXPECT_EQ(store_.AddShita(L"B", Values()).id, 101);
    EXPECT_EQ(store_.AddShita(L"C", Values()).id, 102);
    EXPECT_EQ(store_.DeleteShita(102), DeleteShitaResult::Deleted);
    EXPECT_EQ(store_.AddShita(L"D", Values()).id, 102); // the last id is given again
    EXPECT_EQ(store_.DeleteShita(100), DeleteShitaResult::Deleted);
    EXPECT_EQ(store_.AddShita(L"E", Values()).id, 103);
    ASSERT_NE(store_.FindShita(101), nullptr);
    EXPECT_EQ(store_.FindShita(101)->name, L"B");
    EXPECT_EQ(store_.FindShita(100), nullptr);
}

TEST_F(ShitotStoreTest, HandEditedIdsNeverCollideOrFallAmongTheBuiltinShitot) {
    {
        platform::ProfileFile file = platform::ProfileFile::Open(store_.FilePath());
        file.WriteInt(L"High", L"id", 103);
        file.WriteInt(L"Low", L"id", 100);
        file.WriteInt(L"Also", L"id", 102);
        ASSERT_FALSE(file.Save());
    }
    store_.LoadShitot();
    EXPECT_EQ(store_.AddShita(L"Next", Values()).id, 104); // 103, one past the last, is taken

    CShitotStore noIds;
    noIds.SetShitotFolder(folder_ / "other");
    fs::create_directories(folder_ / "other");
    {
        platform::ProfileFile file = platform::ProfileFile::Open(noIds.FilePath());
        file.WriteInt(L"Without id", L"alot shita", 2);
        ASSERT_FALSE(file.Save());
    }
    noIds.LoadShitot();
    ASSERT_EQ(noIds.Shitot().size(), 1u);
    EXPECT_EQ(noIds.Shitot()[0]->id, 0);
    EXPECT_EQ(noIds.AddShita(L"Next", Values()).id, 100); // never 1, which is a built-in shita
}

TEST_F(ShitotStoreTest, NamesAreKeptUnique) {
    struct Case {
        const wchar_t* asked;
        const wchar_t* stored;
    };
    const Case kCases[] = {
        {L"Copy Diaspora (GR\"A)", L"Copy Diaspora (GR\"A)"},
        {L"Copy Diaspora (GR\"A)", L"Copy Diaspora (GR\"A) (2)"},
        {L"copy diaspora (gr\"a)", L"copy diaspora (gr\"a) (3)"}, // case does not make a name new
        {L"", L"New"},
        {L"   ", L"New (2)"},
        {L"New", L"New (3)"},
        {L" Padded ", L"Padded"},
        {L"Two\nlines", L"Two lines"},
        {L"Shita [mine]", L"Shita (mine)"},
    };
    for (const Case& c : kCases) {
        const ADD_SHITA_RESULT r = store_.AddShita(c.asked, Values());
        EXPECT_EQ(r.name, c.stored);
        EXPECT_FALSE(r.saved);
    }
    // Every shita survives a reload under its own name.
    const CShitotStore other = Reloaded();
    ASSERT_EQ(other.Shitot().size(), std::size(kCases));
    for (std::size_t i = 0; i < std::size(kCases); ++i) {
        EXPECT_EQ(other.Shitot()[i]->name, kCases[i].stored);
        EXPECT_EQ(other.Shitot()[i]->id, static_cast<std::int32_t>(100 + i));
    }
}

TEST_F(ShitotStoreTest, CopyingTheSameShitaTwiceKeepsBoth) {
    const SHITA_STRUCT source = BuiltinShitaTemplate(3);
    const std::wstring name = CopyShitaName(source.name);
    EXPECT_EQ(name, L"Copy Diaspora (GR\"A)");
    store_.AddShita(name, source);
    store_.AddShita(name, source);
    const CShitotStore other = Reloaded();
    ASSERT_EQ(other.Shitot().size(), 2u);
    const SHITA_STRUCT& copy = *other.Shitot()[0];
    EXPECT_EQ(copy.name, L"Copy Diaspora (GR\"A)");
    EXPECT_EQ(copy.alotShita, 1);
    EXPECT_EQ(copy.misheyakirShita, 1);
    EXPECT_EQ(copy.shemaShita, 1);
    EXPECT_EQ(copy.minchaGedolahShita, 2);
    EXPECT_EQ(copy.tzeitShita, 2);
    EXPECT_EQ(copy.tchilatTaanitShita, 1);
    EXPECT_EQ(copy.sofTaanitShita, 1);
    EXPECT_EQ(copy.chametzShita, 1);
    EXPECT_EQ(copy.tzeitShabbatShita, 1);
    EXPECT_EQ(other.Shitot()[1]->name, L"Copy Diaspora (GR\"A) (2)");
}

TEST_F(ShitotStoreTest, ModifyWritesTheEditedFieldsAndKeepsTheOthers) {
    SHITA_STRUCT values = Values();
    values.misheyakirVal = 7;
    values.plagHaminchaShita = 2;
    const std::int32_t a = store_.AddShita(L"A", values).id;
    const std::int32_t b = store_.AddShita(L"B", Values()).id;
    SHITA_STRUCT edited = *store_.FindShita(b);
    edited.name = L"a"; // already taken by the other shita, ignoring case
    edited.alotShita = 5;
    edited.alotVal = 90;
    edited.chametzShita = 7;
    edited.misheyakirVal = 99; // the editor never changes it
    std::error_code saved;
    ASSERT_TRUE(store_.ModifyShita(b, edited, &saved));
    EXPECT_FALSE(saved);
    EXPECT_EQ(store_.FindShita(b)->name, L"a (2)");
    EXPECT_EQ(store_.FindShita(b)->misheyakirVal, 0);
    // Keeping its own name is not a clash.
    SHITA_STRUCT same = *store_.FindShita(a);
    same.tzeitShita = 9;
    ASSERT_TRUE(store_.ModifyShita(a, same));
    EXPECT_EQ(store_.FindShita(a)->name, L"A");
    EXPECT_EQ(store_.FindShita(a)->misheyakirVal, 7);
    EXPECT_EQ(store_.FindShita(a)->plagHaminchaShita, 2);
    const CShitotStore other = Reloaded();
    EXPECT_EQ(other.FindShita(b)->alotShita, 5);
    EXPECT_EQ(other.FindShita(b)->alotVal, 90);
    EXPECT_EQ(other.FindShita(b)->chametzShita, 7);
    EXPECT_EQ(other.FindShita(a)->tzeitShita, 9);
    EXPECT_FALSE(store_.ModifyShita(555, same));
}

TEST_F(ShitotStoreTest, AShitaInUseIsNotDeleted) {
    const std::int32_t used = store_.AddShita(L"Used", Values()).id;
    const std::int32_t unused = store_.AddShita(L"Unused", Values()).id;
    store_.SetShitaInUseQuery([&](std::int32_t id) { return id == used; });
    EXPECT_EQ(store_.DeleteShita(used), DeleteShitaResult::InUse);
    EXPECT_NE(store_.FindShita(used), nullptr);
    EXPECT_EQ(store_.DeleteShita(unused), DeleteShitaResult::Deleted);
    EXPECT_EQ(store_.DeleteShita(unused), DeleteShitaResult::NotFound);
    EXPECT_FALSE(store_.SaveShitot());
    const CShitotStore other = Reloaded();
    ASSERT_EQ(other.Shitot().size(), 1u);
    EXPECT_EQ(other.Shitot()[0]->name, L"Used");
}

TEST_F(ShitotStoreTest, SaveReportsAFailureAndLeavesTheOldFile) {
    store_.AddShita(L"Kept", Values());
    // A folder that does not exist: nothing can be written there.
    CShitotStore broken;
    broken.SetShitotFolder(folder_ / "missing" / "deeper");
    const ADD_SHITA_RESULT r = broken.AddShita(L"Lost", Values());
    EXPECT_TRUE(r.saved);
    EXPECT_EQ(broken.Shitot().size(), 1u); // still in memory for this run
    const CShitotStore other = Reloaded();
    ASSERT_EQ(other.Shitot().size(), 1u);
    EXPECT_EQ(other.Shitot()[0]->name, L"Kept");
}

TEST_F(ShitotStoreTest, DisplayNamesListBuiltinThenCustom) {
    store_.AddShita(L"Mine", Values());
    const std::vector<SHITA_DISPLAY_NAME> names = ShitaDisplayNames(store_);
    ASSERT_EQ(names.size(), 7u);
    const wchar_t* builtin[] = {L"Eretz Yisrael (GR\"A)", L"Eretz Yisrael (M\"A)", L"Diaspora (GR\"A)",
                                L"Diaspora (M\"A)", L"Maase Nissim", L"Kisei Rachamim"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(names[static_cast<std::size_t>(i)].name, builtin[i]);
        EXPECT_EQ(names[static_cast<std::size_t>(i)].shita, i + 1);
    }
    EXPECT_EQ(names[6].name, L"Mine");
    EXPECT_EQ(names[6].shita, 100);
}

TEST(ShitaTemplates, TheSixBuiltinRows) {
    struct Row {
        int id, alot, alotVal, misheyakir, shema, mincha, tzeit, tzeitVal, tchilat, tchilatVal, sof, chametz, shabbat;
    };
    constexpr Row kRows[] = {
        {1, 2, 0, 1, 1, 2, 2, 0, 2, 0, 1, 1, 1},    {2, 2, 0, 1, 2, 2, 2, 0, 2, 0, 2, 2, 1},
        {3, 1, 0, 1, 1, 2, 2, 0, 1, 0, 1, 1, 1},    {4, 1, 0, 1, 2, 2, 2, 0, 1, 0, 2, 2, 1},
        {5, 4, 72, 3, 4, 2, 9, 72, 4, 72, 2, 4, 1}, {6, 2, 0, 4, 5, 2, 8, 25, 2, 0, 2, 5, 1},
    };
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.id);
        const SHITA_STRUCT s = BuiltinShitaTemplate(r.id);
        EXPECT_EQ(s.id, r.id);
        EXPECT_EQ(s.alotShita, r.alot);
        EXPECT_EQ(s.alotVal, r.alotVal);
        EXPECT_EQ(s.misheyakirShita, r.misheyakir);
        EXPECT_EQ(s.shemaShita, r.shema);
        EXPECT_EQ(s.minchaGedolahShita, r.mincha);
        EXPECT_EQ(s.tzeitShita, r.tzeit);
        EXPECT_EQ(s.tzeitVal, r.tzeitVal);
        EXPECT_EQ(s.tchilatTaanitShita, r.tchilat);
        EXPECT_EQ(s.tchilatTaanitVal, r.tchilatVal);
        EXPECT_EQ(s.sofTaanitShita, r.sof);
        EXPECT_EQ(s.chametzShita, r.chametz);
        EXPECT_EQ(s.tzeitShabbatShita, r.shabbat);
        EXPECT_EQ(s.tzeitShabbatVal + s.tosefetFrom + s.tosefetType + s.sofTaanitVal + s.chametzVal +
                      s.plagHaminchaShita + s.misheyakirVal,
                  0);
    }
}

TEST(ShitaTemplates, EditorDegreesAreHundredthsRoundedUp) {
    EXPECT_EQ(DegreesToHundredths(16.111), 1612);
    EXPECT_EQ(DegreesToHundredths(16.1), 1610);
    EXPECT_EQ(DegreesToHundredths(19.86), 1986);
    EXPECT_EQ(DegreesToHundredths(0.29), 29);
    EXPECT_EQ(DegreesToHundredths(8.501), 851);
}

} // namespace
} // namespace vessant

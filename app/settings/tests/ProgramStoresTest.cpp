#include "app/settings/ProgramStores.h"

#include "locations/LocationList.h"
#include "platform/TextCodec.h"
#include "testsupport/TestFiles.h"
#include "text/Language.h"
#include "zmanim/ShitotStore.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vessant;
using namespace vessant::testsupport;
namespace fs = std::filesystem;

TEST(ProgramStores, FreshStartWritesTheTwoBuiltInLocations) {
    LoadLanguage(kLanguageEnglish);
    const fs::path folder = FreshFolder("fresh");
    const STORE_LOAD_RESULT result = LoadProgramStores(folder, true);
    EXPECT_FALSE(result.options);
    EXPECT_FALSE(result.events);

    const std::wstring text = Utf16Text(folder / "options.ini");
    EXPECT_NE(text.find(L"[locations]\r\n0=Jerusalem\tIsrael\t"), std::wstring::npos) << platform::Utf8FromWide(text);
    EXPECT_NE(text.find(L"\r\n1=Pittsburgh\tPA\t"), std::wstring::npos);
    EXPECT_TRUE(OptionsStore().options().showNewFeatures);
    ASSERT_EQ(ProgramLocations().locations.size(), 2u);

    // The next start reads the rows it wrote and has nothing new to show.
    LoadProgramStores(folder, true);
    EXPECT_FALSE(OptionsStore().options().showNewFeatures);
    EXPECT_EQ(ProgramLocations().locations.size(), 2u);
    EXPECT_EQ(DefaultLocation(ProgramLocations()).city, L"Jerusalem");
}

TEST(ProgramStores, LocationsKeepTheirCustomShitaAndTheDefaultMarker) {
    const fs::path folder = FreshFolder("custom");
    WriteUtf16File(folder / "shitot.ini",
               L"[My Rav]\r\nid=100\r\n");
    WriteUtf16File(folder / "options.ini",
               L"[Version]\r\nINI=0.0.0.0\r\nProgram=3.2.46.29\r\n"
               L"[locations]\r\n"
               L"0=Jerusalem\tIsrael\t35\t14\t1\t31\t46\t1\t18\t15\t0\t1\t6\t\t\r\n"
               L"1=Lakewood\tNJ\t74\t13\t2\t40\t6\t1\t10\t25\t1\t100\t2\t\tdefault\r\n"
               L"2=Pittsburgh\tPA\t80\t0\t2\t40\t26\t1\t10\t25\t1\t3\t2\t\t\r\n");
    LoadProgramStores(folder, false);
    ASSERT_EQ(ProgramLocations().locations.size(), 3u);
    const LOC_STRUCT& chosen = DefaultLocation(ProgramLocations());
    EXPECT_EQ(chosen.city, L"Lakewood");
    EXPECT_EQ(chosen.shita, 100);
    // A location still names the custom shita, so the store refuses to delete it.
    EXPECT_TRUE(LocationListUsesShita(ProgramLocations(), 100));
}

TEST(ProgramStores, ReadingOnlyLeavesTheFolderUntouched) {
    const fs::path folder = FreshFolder("readonly");
    LoadProgramStores(folder, false);
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST(ProgramStores, ReadingOnlyLeavesALegacyFileUnconverted) {
    const fs::path folder = FreshFolder("readonly-legacy");
    const std::string legacy = "[Version]\r\nProgram=3.1.20.0\r\n[Display]\r\nClock Format=24\r\n";
    WriteBytes(folder / "options.ini", legacy);
    LoadProgramStores(folder, false);
    EXPECT_EQ(OptionsStore().options().clockFormat, 24);
    EXPECT_EQ(ReadBytes(folder / "options.ini"), legacy);
    EXPECT_FALSE(fs::exists(folder / "options.ini.txt"));
}

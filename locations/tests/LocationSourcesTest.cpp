#include "locations/LocationSources.h"
#include "platform/ProfileFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vessant {
namespace {

using platform::ProfileFile;

TEST(LocationsIni, EverySectionIsAListOfRows) {
    const ProfileFile file =
        ProfileFile::Open(std::filesystem::path(VESSANT_TEST_DATA) / "locations.ini");
    ASSERT_TRUE(file.existed());
    EXPECT_EQ(LocationsIniSections(file), (std::vector<std::wstring>{L"Galil", L"Golus"}));

    // Reading stops at the first missing key: row "4" is never reached.
    const std::vector<LOC_STRUCT> galil = LocationsIniRows(file, L"galil");
    ASSERT_EQ(galil.size(), 3u);
    EXPECT_EQ(galil[0], (LOC_STRUCT{L"Meron", L"Israel", 35, 26, 1, 32, 59, 1, 18, 0, 15, 1, 3}));
    // The Hebrew country puts it in Israel whatever the row said; the row's own DST rule,
    // shita and candle lighting stay.
    EXPECT_EQ(galil[1].country, L"\x05D9\x05E9\x05E8\x05D0\x05DC");
    EXPECT_EQ(galil[1].diaspora, 0);
    EXPECT_EQ(galil[1].shita, 2);
    EXPECT_EQ(galil[1].candleLighting, 6);
    EXPECT_EQ(galil[2].city, L"Rosh Pina");

    // Abroad is decided by the country alone, even against the row's own diaspora 0.
    const std::vector<LOC_STRUCT> golus = LocationsIniRows(file, L"Golus");
    ASSERT_EQ(golus.size(), 1u);
    EXPECT_EQ(golus[0].diaspora, 1);

    EXPECT_TRUE(LocationsIniRows(file, L"Missing").empty());
}

TEST(LocationsIni, MissingFileOffersNoFurtherSources) {
    const ProfileFile file = ProfileFile::Open(std::filesystem::path(VESSANT_TEST_DATA) / "absent.ini");
    EXPECT_FALSE(file.existed());
    EXPECT_TRUE(LocationsIniSections(file).empty());
}

} // namespace
} // namespace vessant

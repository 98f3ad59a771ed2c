#include "locations/LocationCoordinates.h"
#include "locations/LocationList.h"
#include "locations/LocationRow.h"
#include "platform/ProfileFile.h"
#include "testsupport/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <iterator>
#include <set>
#include <string>

namespace vessant {
namespace {

namespace fs = std::filesystem;
using platform::ProfileFile;

ProfileFile Fixture(const char* name) {
    const ProfileFile file = ProfileFile::Open(fs::path(VESSANT_TEST_DATA) / name);
    EXPECT_TRUE(file.existed()) << name;
    return file;
}

LOCATION_LOAD_FLAGS OldRows() {
    LOCATION_LOAD_FLAGS flags;
    flags.oldLocationRows = true;
    return flags;
}

LOCATION_LOAD_FLAGS FreshFile() {
    LOCATION_LOAD_FLAGS flags;
    flags.freshFile = true;
    return flags;
}

std::wstring DefaultCity(const LOCATION_LIST& list) { return DefaultLocation(list).city; }

class LocationFiles : public testing::Test {
protected:
    void SetUp() override { folder_ = testsupport::FreshFolderForThisTest(); }
    fs::path folder_;
};

TEST(LoadLocations, MissingSectionGivesTheTwoBuiltinRows) {
    LOCATION_LIST list;
    LoadLocations(list, ProfileFile(), {});
    ASSERT_EQ(list.locations.size(), 2u);
    EXPECT_EQ(list.rowsRead, 2);
    EXPECT_EQ(list.locations[0], ParseLocationRow(kBuiltinRow0).location);
    EXPECT_EQ(list.locations[1], ParseLocationRow(kBuiltinRow1).location);
    EXPECT_EQ(list.defaultIndex, 0);
    EXPECT_EQ(DefaultCity(list), L"Jerusalem");
}

TEST(LoadLocations, OnlyRowZeroGainsThePittsburghRow) {
    LOCATION_LIST list;
    LoadLocations(list, Fixture("only-row-0.ini"), {});
    ASSERT_EQ(list.locations.size(), 2u);
    EXPECT_EQ(list.locations[0].city, L"Haifa");
    EXPECT_EQ(list.locations[0].candleLighting, 5);
    EXPECT_EQ(list.locations[1], ParseLocationRow(kBuiltinRow1).location);
    EXPECT_EQ(DefaultCity(list), L"Haifa");
}

// An older version counted the candle-lighting choices from 0: rows read from its file
// move up by one, the built-in rows never do.
TEST(LoadLocations, OldVersionRowsShiftCandleLighting) {
    LOCATION_LIST list;
    LoadLocations(list, Fixture("old-version.ini"), OldRows());
    ASSERT_EQ(list.locations.size(), 3u);
    EXPECT_EQ(list.locations[0].city, L"Jerusalem");
    EXPECT_EQ(list.locations[0].candleLighting, 6);
    EXPECT_EQ(list.locations[1].city, L"London");
    EXPECT_EQ(list.locations[1].candleLighting, 1);
    EXPECT_EQ(list.locations[2].city, L"Pittsburgh");
    EXPECT_EQ(list.locations[2].candleLighting, 2);

    LOCATION_LIST builtinOnly;
    LoadLocations(builtinOnly, Fixture("only-row-0.ini"), OldRows());
    EXPECT_EQ(builtinOnly.locations[0].candleLighting, 6);  // Haifa, from the file
    EXPECT_EQ(builtinOnly.locations[1], ParseLocationRow(kBuiltinRow1).location);

    LOCATION_LIST current;
    LoadLocations(current, Fixture("old-version.ini"), {});
    EXPECT_EQ(current.locations[0].candleLighting, 5);
}

// The transfer program wrote rows in Israel latitude first; a fresh file puts them right.
TEST(LoadLocations, FreshFileExchangesIsraeliDegrees) {
    struct Expect {
        const wchar_t* city;
        int lonDeg, lonMin, latDeg, latMin, diaspora, shita;
    };
    constexpr Expect kFresh[] = {
        {L"Amsterdam", 4, 53, 52, 22, 1, 3},   // abroad: never exchanged; diaspora 2 -> 1;
                                               // custom shita 103 missing -> 3
        {L"Haifa", 34, 59, 32, 49, 0, 1},      // "ISRAEL", 32 < 34: exchanged back
        {L"Jerusalem", 35, 14, 31, 46, 0, 1},  // 35 is not below 34: left alone
        {L"Tiberias", 35, 32, 32, 47, 0, 1},   // "ישראל" overrides diaspora 1, then exchanged
    };
    LOCATION_LIST list;
    LoadLocations(list, Fixture("fresh-transfer.ini"), FreshFile());
    ASSERT_EQ(list.locations.size(), std::size(kFresh));
    for (std::size_t i = 0; i < std::size(kFresh); ++i) {
        const Expect& e = kFresh[i];
        const LOC_STRUCT& loc = list.locations[i];
        SCOPED_TRACE(testing::PrintToString(loc.city));
        EXPECT_EQ(loc.city, e.city);
        EXPECT_EQ(loc.longitudeDegrees, e.lonDeg);
        EXPECT_EQ(loc.longitudeMinutes, e.lonMin);
        EXPECT_EQ(loc.latitudeDegrees, e.latDeg);
        EXPECT_EQ(loc.latitudeMinutes, e.latMin);
        EXPECT_EQ(loc.diaspora, e.diaspora);
        EXPECT_EQ(loc.shita, e.shita);
    }
    EXPECT_EQ(DefaultCity(list), L"Tiberias");

    // The same rows in a file that carries a version are taken as they stand.
    LOCATION_LIST notFresh;
    LoadLocations(notFresh, Fixture("fresh-transfer.ini"), {});
    EXPECT_EQ(notFresh.locations[1].city, L"Haifa");
    EXPECT_EQ(notFresh.locations[1].longitudeDegrees, 32);
    EXPECT_EQ(notFresh.locations[1].latitudeDegrees, 34);
}

TEST(LoadLocations, MissingCustomShitaFallsBackByCountry) {
    ProfileFile file;
    file.WriteString(kLocationsSection, L"0", L"A\tIsrael\t35\t0\t1\t32\t0\t1\t18\t15\t0\t104\t3\t");
    file.WriteString(kLocationsSection, L"1", L"B\tUSA\t80\t0\t2\t40\t0\t1\t10\t25\t1\t104\t2\t");
    file.WriteString(kLocationsSection, L"2", L"C\tIsrael\t35\t0\t1\t32\t0\t1\t18\t15\t0\t100\t3\t");
    file.WriteString(kLocationsSection, L"3", L"D\tUSA\t80\t0\t2\t40\t0\t1\t10\t25\t1\t5\t2\t");

    LOCATION_LIST list;
    std::set<std::int32_t> asked;
    LOCATION_LOAD_FLAGS flags;
    flags.shitaExists = [&](std::int32_t id) {
        asked.insert(id);
        return id == 100;
    };
    LoadLocations(list, file, flags);
    ASSERT_EQ(list.locations.size(), 4u);
    EXPECT_EQ(list.locations[0].shita, 1);    // 104 gone, in Israel
    EXPECT_EQ(list.locations[1].shita, 3);    // 104 gone, abroad
    EXPECT_EQ(list.locations[2].shita, 100);  // still there
    EXPECT_EQ(list.locations[3].shita, 5);    // built-in, never asked about
    EXPECT_EQ(asked, (std::set<std::int32_t>{100, 104}));
    // What the shita editor asks before deleting one.
    EXPECT_TRUE(LocationListUsesShita(list, 100));
    EXPECT_FALSE(LocationListUsesShita(list, 104));
}

// Rows stored out of order (the transfer program appends) are sorted; the default stays
// on the location that carried the marker.
TEST(LoadLocations, DefaultFollowsTheMarkedLocationThroughSorting) {
    ProfileFile file;
    file.WriteString(kLocationsSection, L"0", L"Zurich\tSwitzerland\t8\t33\t1\t47\t22\t1\t17\t10\t1\t3\t2\t");
    file.WriteString(kLocationsSection, L"1", L"Rome\tItaly\t12\t31\t1\t41\t54\t1\t17\t10\t1\t3\t2\tdefault");
    file.WriteString(kLocationsSection, L"2", L"Athens\tGreece\t23\t44\t1\t37\t59\t1\t18\t10\t1\t3\t2\t");
    file.WriteString(kLocationsSection, L"3", L"athens\tGreece\t23\t44\t1\t37\t59\t1\t18\t10\t1\t3\t2\t");
    LOCATION_LIST list;
    LoadLocations(list, file, {});
    ASSERT_EQ(list.locations.size(), 4u);
    // Character codes: capitals before small letters.
    EXPECT_EQ(list.locations[0].city, L"Athens");
    EXPECT_EQ(list.locations[1].city, L"Rome");
    EXPECT_EQ(list.locations[2].city, L"Zurich");
    EXPECT_EQ(list.locations[3].city, L"athens");
    EXPECT_EQ(DefaultCity(list), L"Rome");
}

TEST(LoadLocations, WithoutMarkerThePreviousDefaultIndexStays) {
    ProfileFile file;
    for (int i = 0; i < 4; ++i) {
        file.WriteString(kLocationsSection, std::to_wstring(i),
                         std::wstring(1, static_cast<wchar_t>(L'A' + i)) + L"\tX\t1\t0\t1\t1\t0\t1\t16\t1\t1\t3\t2\t");
    }
    LOCATION_LIST list;
    list.defaultIndex = 2;
    LoadLocations(list, file, {});
    EXPECT_EQ(list.defaultIndex, 2);
    EXPECT_EQ(DefaultCity(list), L"C");

    // A previous index the new list no longer reaches falls back to the first location.
    list.defaultIndex = 9;
    LoadLocations(list, file, {});
    EXPECT_EQ(list.defaultIndex, 0);
}

// An empty row "0" would leave no location at all: it is taken as missing.
TEST(LoadLocations, EmptyFirstRowStillGivesLocations) {
    ProfileFile file;
    file.WriteString(kLocationsSection, L"0", L"");
    LOCATION_LIST list;
    LoadLocations(list, file, {});
    ASSERT_EQ(list.locations.size(), 2u);
    EXPECT_EQ(DefaultCity(list), L"Jerusalem");
}

// Names far longer than the old 199-character read keep every field and the marker.
TEST(LoadLocations, LongRowsAreReadWhole) {
    std::wstring city = L"Kiryat ";
    for (int i = 0; i < 16; ++i)
        city += L"Ha-Yovel-";
    city += L"North";
    std::wstring country = L"The State of ";
    for (int i = 0; i < 5; ++i)
        country += L"Very-Long-Country-Name-";
    country += L"Israel";

    LOCATION_LIST list;
    LoadLocations(list, Fixture("long-names.ini"), {});
    ASSERT_EQ(list.locations.size(), 2u);
    const LOC_STRUCT& loc = DefaultLocation(list);
    EXPECT_EQ(loc.city, city);
    EXPECT_EQ(loc.country, country);
    EXPECT_EQ(loc.longitudeDegrees, 35);
    EXPECT_EQ(loc.latitudeMinutes, 47);
    EXPECT_EQ(loc.candleLighting, 6);
    EXPECT_EQ(loc.diaspora, 0);
}

TEST_F(LocationFiles, MoreThanAHundredRowsSurviveSaveAndLoad) {
    LOCATION_LIST list;
    for (int i = 0; i < 150; ++i) {
        LOC_STRUCT loc = ParseLocationRow(kBuiltinRow1).location;
        wchar_t name[16];
        std::swprintf(name, std::size(name), L"Place %03d", i);
        loc.city = name;
        loc.longitudeMinutes = static_cast<std::int16_t>(i % 60);
        list.locations.push_back(loc);
    }
    list.defaultIndex = 123;

    const fs::path path = folder_ / "options.ini";
    ProfileFile file = ProfileFile::Open(path);
    SaveLocations(list, file);
    ASSERT_FALSE(file.Save());

    LOCATION_LIST loaded;
    LoadLocations(loaded, ProfileFile::Open(path), {});
    EXPECT_EQ(loaded.rowsRead, 150);
    EXPECT_EQ(loaded.locations, list.locations);
    EXPECT_EQ(DefaultCity(loaded), L"Place 123");
}

TEST(SaveLocations, RewritesTheWholeSectionAndNothingElse) {
    ProfileFile file;
    file.WriteString(L"Display", L"Language", L"13");
    for (int i = 0; i < 5; ++i)
        file.WriteString(kLocationsSection, std::to_wstring(i), L"Old\tX\t1");
    file.WriteString(kLocationsSection, L"note", L"stale");

    LOCATION_LIST list;
    LoadLocations(list, ProfileFile(), {});
    list.defaultIndex = 1;
    SaveLocations(list, file);

    EXPECT_EQ(file.KeyNames(kLocationsSection), (std::vector<std::wstring>{L"0", L"1"}));
    EXPECT_EQ(file.GetString(kLocationsSection, L"0"),
              L"Jerusalem\tIsrael\t35\t14\t1\t31\t46\t1\t18\t15\t0\t1\t6\t");
    EXPECT_EQ(file.GetString(kLocationsSection, L"1"),
              L"Pittsburgh\tPA\t80\t0\t2\t40\t26\t1\t10\t25\t1\t3\t2\tdefault");
    EXPECT_EQ(file.GetString(L"Display", L"Language"), L"13");
}

// A save that cannot write is reported, and the file that was there stays as it was.
TEST_F(LocationFiles, FailedSaveIsReportedAndKeepsThePreviousFile) {
    const fs::path path = folder_ / "options.ini";
    LOCATION_LIST list;
    LoadLocations(list, ProfileFile(), {});
    ProfileFile file = ProfileFile::Open(path);
    SaveLocations(list, file);
    ASSERT_FALSE(file.Save());
    const std::uintmax_t sizeBefore = fs::file_size(path);

    // Swap the folder for a plain file: nothing can be written beside options.ini now,
    // whatever the user's rights.
    const fs::path moved = folder_.string() + ".moved";
    fs::rename(folder_, moved);
    testsupport::WriteBytes(folder_, "not a folder");
    AddLocation(list, {L"Eilat", L"Israel", 34, 56, 1, 29, 33, 1, 18, 0, 15, 1, 3});
    SaveLocations(list, file);
    EXPECT_TRUE(file.Save());
    fs::remove(folder_);
    fs::rename(moved, folder_);

    EXPECT_EQ(fs::file_size(path), sizeBefore);
    LOCATION_LIST reread;
    LoadLocations(reread, ProfileFile::Open(path), {});
    EXPECT_EQ(reread.locations.size(), 2u);
}

TEST(AddLocation, SortsKeepsTheDefaultAndCleansNames) {
    LOCATION_LIST list;
    LoadLocations(list, ProfileFile(), {});
    list.defaultIndex = 1;  // Pittsburgh

    const int index = AddLocation(list, {L"Ash\tdod", L"Isr\nael", 34, 39, 1, 31, 48, 1, 18, 0, 15, 1, 3});
    EXPECT_EQ(index, 0);
    ASSERT_EQ(list.locations.size(), 3u);
    EXPECT_EQ(list.locations[0].city, L"Ash dod");
    EXPECT_EQ(list.locations[0].country, L"Isr ael");
    EXPECT_EQ(DefaultCity(list), L"Pittsburgh");

    // No check for duplicates; the new one is found after its namesake.
    EXPECT_EQ(AddLocation(list, list.locations[2]), 3);
    EXPECT_EQ(list.locations.size(), 4u);
    EXPECT_EQ(DefaultCity(list), L"Pittsburgh");
    EXPECT_EQ(list.defaultIndex, 2);
}

TEST(DeleteLocation, TheDefaultStaysOnTheSameLocation) {
    auto threeCities = [] {
        LOCATION_LIST list;
        for (const wchar_t* city : {L"A", L"B", L"C"})
            list.locations.push_back({city, L"X", 1, 0, 1, 1, 0, 1, 16, 1, 1, 3, 2});
        return list;
    };
    struct Case {
        int defaultIndex;
        int removed;
        const wchar_t* defaultAfter;
        std::size_t sizeAfter;
    };
    constexpr Case kCases[] = {
        {2, 0, L"C", 2},  // removing one before the default
        {0, 2, L"A", 2},  // removing one after it
        {1, 1, L"A", 2},  // removing the default itself: the first becomes the default
        {2, 2, L"A", 2},
        {1, 3, L"B", 3},  // out of range: nothing happens
        {1, -1, L"B", 3},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "default " << c.defaultIndex << " remove " << c.removed);
        LOCATION_LIST list = threeCities();
        list.defaultIndex = c.defaultIndex;
        DeleteLocation(list, c.removed);
        EXPECT_EQ(list.locations.size(), c.sizeAfter);
        EXPECT_EQ(DefaultCity(list), c.defaultAfter);
    }

    LOCATION_LIST single;
    single.locations.push_back({L"Only", L"X", 1, 0, 1, 1, 0, 1, 16, 1, 1, 3, 2});
    DeleteLocation(single, 0);
    EXPECT_EQ(single.locations.size(), 1u);
}

TEST(LocationCoordinates, SignedDecimalDegreesInSinglePrecision) {
    struct Case {
        LOC_STRUCT loc;
        double longitude;
        double latitude;
        int zoneTenths;
    };
    const Case kCases[] = {
        {ParseLocationRow(kBuiltinRow0).location, 35.0 + 14 / 60.0, 31.0 + 46 / 60.0, 20},
        {ParseLocationRow(kBuiltinRow1).location, -80.0, 40.0 + 26 / 60.0, -50},
        {{L"Buenos Aires", L"Argentina", 58, 24, 2, 34, 36, 2, 13, 1, 5, 3, 2}, -58.4, -34.6, -30},
        {{L"Mumbai", L"India", 72, 53, 1, 19, 4, 1, 24, 1, 1, 3, 2}, 72.0 + 53 / 60.0, 19.0 + 4 / 60.0, 55},
        // Direction 0 (never chosen) counts as West and South.
        {{L"Odd", L"X", 1, 30, 0, 2, 15, 0, 0, 1, 1, 3, 2}, -1.5, -2.25, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::PrintToString(c.loc.city));
        const LOCATION_COORDINATES coords = LocationCoordinates(c.loc);
        EXPECT_EQ(coords.longitude, static_cast<double>(static_cast<float>(c.longitude)));
        EXPECT_EQ(coords.latitude, static_cast<double>(static_cast<float>(c.latitude)));
        EXPECT_EQ(coords.zoneOffsetTenths, c.zoneTenths);
        EXPECT_EQ(coords.dstRule, c.loc.dstRule);
        EXPECT_EQ(coords.shita, c.loc.shita);
    }
    // The rounding is real: Jerusalem's longitude is not the double nearest 35 14/60.
    const LOCATION_COORDINATES jerusalem = LocationCoordinates(ParseLocationRow(kBuiltinRow0).location);
    EXPECT_NE(jerusalem.longitude, 35.0 + 14 / 60.0);
    EXPECT_NEAR(jerusalem.longitude, 35.0 + 14 / 60.0, 1e-6);
}

} // namespace
} // namespace vessant

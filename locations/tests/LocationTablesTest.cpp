#include "locations/LocationCoordinates.h"
#include "locations/LocationRow.h"
#include "locations/LocationSources.h"
#include "locations/LocationTables.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace vessant {
namespace {

using EntryAt = const LOCATION_TABLE_ENTRY& (*)(int);

std::vector<LOCATION_TABLE_ENTRY> Walk(EntryAt entryAt) {
    std::vector<LOCATION_TABLE_ENTRY> entries;
    for (int i = 0; entryAt(i).city[0] != L'\0'; ++i)
        entries.push_back(entryAt(i));
    return entries;
}

TEST(LocationTables, EachEndsWithAnEmptyCityAfterItsLastPlace) {
    EXPECT_EQ(Walk(IsraelTableEntry).size(), 232u);
    EXPECT_EQ(Walk(WorldTableEntry).size(), 161u);
    for (int i : {-1, 232, 1000})
        EXPECT_STREQ(IsraelTableEntry(i).city, L"") << i;
    for (int i : {-1, 161, 1000})
        EXPECT_STREQ(WorldTableEntry(i).city, L"") << i;
}

// Every entry must be usable as a location as it stands.
TEST(LocationTables, EveryEntryIsAPlaceOnEarth) {
    for (EntryAt entryAt : {EntryAt{IsraelTableEntry}, EntryAt{WorldTableEntry}}) {
        for (const LOCATION_TABLE_ENTRY& e : Walk(entryAt)) {
            SCOPED_TRACE(testing::PrintToString(std::wstring(e.city)));
            EXPECT_NE(e.country[0], L'\0');
            EXPECT_GE(e.longitudeDegrees, 0);
            EXPECT_LE(e.longitudeDegrees * 60 + e.longitudeMinutes, 180 * 60);
            EXPECT_GE(e.latitudeDegrees, 0);
            EXPECT_LE(e.latitudeDegrees * 60 + e.latitudeMinutes, 90 * 60);
            EXPECT_GE(e.longitudeMinutes, 0);
            EXPECT_LT(e.longitudeMinutes, 60);
            EXPECT_GE(e.latitudeMinutes, 0);
            EXPECT_LT(e.latitudeMinutes, 60);
            EXPECT_TRUE(e.longitudeDirection == 1 || e.longitudeDirection == 2);
            EXPECT_TRUE(e.latitudeDirection == 1 || e.latitudeDirection == 2);
            EXPECT_GE(e.timeZone, 1);
            EXPECT_LE(e.timeZone, 35);
            for (const wchar_t* p = e.city; *p; ++p)
                EXPECT_FALSE(*p == L'\t' || *p == L'\n' || *p == L'\r');
        }
    }
}

TEST(LocationTables, IsraelTableIsAlphabeticalAndAllInIsrael) {
    const std::vector<LOCATION_TABLE_ENTRY> israel = Walk(IsraelTableEntry);
    for (std::size_t i = 0; i < israel.size(); ++i) {
        const LOCATION_TABLE_ENTRY& e = israel[i];
        SCOPED_TRACE(testing::PrintToString(std::wstring(e.city)));
        EXPECT_STREQ(e.country, L"Israel");
        EXPECT_EQ(e.longitudeDirection, 1);
        EXPECT_EQ(e.latitudeDirection, 1);
        EXPECT_EQ(e.timeZone, 18);
        // Inside Israel's bounds: 34°15'-35°54' E, 29°29'-33°20' N.
        const int lon = e.longitudeDegrees * 60 + e.longitudeMinutes;
        const int lat = e.latitudeDegrees * 60 + e.latitudeMinutes;
        EXPECT_GE(lon, 34 * 60 + 15);
        EXPECT_LE(lon, 35 * 60 + 54);
        EXPECT_GE(lat, 29 * 60 + 29);
        EXPECT_LE(lat, 33 * 60 + 20);
        if (i > 0) {
            EXPECT_LT(std::wstring(israel[i - 1].city), std::wstring(e.city));
        }
    }
    const std::vector<std::wstring> first = {L"Abu Ghosh", L"Acco", L"Acre", L"Adam", L"Adamit", L"Aderet"};
    for (std::size_t i = 0; i < first.size(); ++i)
        EXPECT_EQ(israel[i].city, first[i]);
    EXPECT_STREQ(israel[israel.size() - 2].city, L"Yotvata");
    EXPECT_STREQ(israel.back().city, L"Zichron Yaakov");
}

TEST(LocationTables, WorldTableHasTheRegionsInOrderWithTheirCounts) {
    const std::vector<std::pair<std::wstring, int>> kRegions = {
        {L"Alabama", 3}, {L"Alaska", 2}, {L"Algeria", 1}, {L"Argentina", 1}, {L"Arizona", 1},
        {L"Arkansas", 1}, {L"Australia", 5}, {L"Austria", 1}, {L"Belgium", 2}, {L"Brazil", 2},
        {L"California", 3}, {L"Chile", 1}, {L"China", 3}, {L"Colorado", 1}, {L"Cuba", 1},
        {L"Czech Republic", 1}, {L"Delaware", 1}, {L"Denmark", 1}, {L"D.C.", 1}, {L"Egypt", 2},
        {L"England", 3}, {L"Ethiopia", 1}, {L"Finland", 1}, {L"Florida", 1}, {L"France", 6},
        {L"Georgia", 1}, {L"Germany", 4}, {L"Ghana", 1}, {L"Greece", 3}, {L"Greece (Crete)", 1},
        {L"Hawaii", 1}, {L"Hong Kong", 1}, {L"Hungary", 3}, {L"Iceland", 1}, {L"Illinois", 1},
        {L"India", 8}, {L"Indiana", 1}, {L"Iran", 1}, {L"Ireland", 1}, {L"Italy", 4},
        {L"Ivory Coast", 1}, {L"Japan", 1}, {L"Maine", 2}, {L"Maryland", 2}, {L"Massachusetts", 1},
        {L"Mexico", 1}, {L"Michigan", 1}, {L"Minnesota", 1}, {L"Missouri", 2}, {L"Morocco", 1},
        {L"Netherlands", 2}, {L"Nevada", 1}, {L"New Hampshire", 2}, {L"New Jersey", 3},
        {L"New York", 5}, {L"New Zealand", 1}, {L"Norway", 1}, {L"Ohio", 2}, {L"Ontario", 2},
        {L"Oregon", 1}, {L"Pennsylvania", 2}, {L"Peru", 1}, {L"Philippines", 1}, {L"Poland", 2},
        {L"Portugal", 1}, {L"Puerto Rico", 1}, {L"Quebec", 1}, {L"Rhode Island", 1},
        {L"Romania", 8}, {L"Russia", 2}, {L"Scotland", 1}, {L"Singapore", 1}, {L"Slovakia", 2},
        {L"South Africa", 2}, {L"S. Carolina", 1}, {L"Spain", 2}, {L"Sweden", 2},
        {L"Switzerland", 2}, {L"Texas", 2}, {L"Tunisia", 1}, {L"Turkey", 2}, {L"Ukraine", 5},
        {L"Utah", 1}, {L"Venezuela", 1}, {L"Virginia", 1}, {L"Washington", 1},
        {L"W. Virginia", 1}, {L"Wisconsin", 1}, {L"Yemen", 1},
    };
    // The table as runs of equal countries.
    std::vector<std::pair<std::wstring, int>> runs;
    for (const LOCATION_TABLE_ENTRY& e : Walk(WorldTableEntry)) {
        if (runs.empty() || runs.back().first != e.country)
            runs.emplace_back(e.country, 0);
        ++runs.back().second;
    }
    EXPECT_EQ(runs, kRegions);
    EXPECT_STREQ(WorldTableEntry(0).city, L"Birmingham");
    EXPECT_STREQ(WorldTableEntry(0).country, L"Alabama");
    EXPECT_STREQ(WorldTableEntry(160).city, L"Aden");
    EXPECT_STREQ(WorldTableEntry(160).country, L"Yemen");
}

TEST(LocationTables, TellingRows) {
    struct Case {
        EntryAt table;
        const wchar_t* city;
        const wchar_t* country;
        int lonDeg, lonMin, lonDir, latDeg, latMin, latDir, zone;
    };
    const Case kCases[] = {
        {IsraelTableEntry, L"Jerusalem", L"Israel", 35, 14, 1, 31, 46, 1, 18},
        {IsraelTableEntry, L"Tel Aviv", L"Israel", 34, 46, 1, 32, 5, 1, 18},
        {IsraelTableEntry, L"Haifa", L"Israel", 34, 59, 1, 32, 49, 1, 18},
        {IsraelTableEntry, L"Be'er Sheva", L"Israel", 34, 47, 1, 31, 15, 1, 18},
        {IsraelTableEntry, L"Petah Tikva", L"Israel", 34, 54, 1, 32, 6, 1, 18},
        {IsraelTableEntry, L"Eilat", L"Israel", 34, 56, 1, 29, 33, 1, 18},
        {WorldTableEntry, L"New York", L"New York", 74, 0, 2, 40, 45, 1, 10},
        {WorldTableEntry, L"Monsey", L"New York", 74, 4, 2, 41, 6, 1, 10},
        {WorldTableEntry, L"London", L"England", 0, 7, 2, 51, 30, 1, 16},
        {WorldTableEntry, L"Paris", L"France", 2, 20, 1, 48, 51, 1, 17},
        {WorldTableEntry, L"Moscow", L"Russia", 37, 37, 1, 55, 45, 1, 19},
        {WorldTableEntry, L"Buenos Aires", L"Argentina", 58, 24, 2, 34, 36, 2, 13},
        {WorldTableEntry, L"Sydney", L"Australia", 151, 12, 1, 33, 52, 2, 31},
        {WorldTableEntry, L"Anchorage", L"Alaska", 149, 59, 2, 61, 10, 1, 5},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.city)));
        int found = 0;
        for (const LOCATION_TABLE_ENTRY& e : Walk(c.table)) {
            if (std::wstring(e.city) != c.city)
                continue;
            ++found;
            EXPECT_STREQ(e.country, c.country);
            EXPECT_EQ(e.longitudeDegrees, c.lonDeg);
            EXPECT_EQ(e.longitudeMinutes, c.lonMin);
            EXPECT_EQ(e.longitudeDirection, c.lonDir);
            EXPECT_EQ(e.latitudeDegrees, c.latDeg);
            EXPECT_EQ(e.latitudeMinutes, c.latMin);
            EXPECT_EQ(e.latitudeDirection, c.latDir);
            EXPECT_EQ(e.timeZone, c.zone);
        }
        EXPECT_EQ(found, 1);
    }
}

TEST(LocationTables, PlacesUnderTwoSpellingsShareTheirCoordinates) {
    const std::map<std::wstring, std::wstring> kSpellings = {{L"Acco", L"Acre"}, {L"Safed", L"Tzfat"}};
    std::map<std::wstring, LOCATION_TABLE_ENTRY> byCity;
    for (const LOCATION_TABLE_ENTRY& e : Walk(IsraelTableEntry))
        byCity.emplace(e.city, e);
    for (const auto& [a, b] : kSpellings) {
        ASSERT_TRUE(byCity.count(a) && byCity.count(b)) << testing::PrintToString(a);
        EXPECT_EQ(byCity[a].longitudeMinutes, byCity[b].longitudeMinutes);
        EXPECT_EQ(byCity[a].latitudeMinutes, byCity[b].latitudeMinutes);
    }
}

TEST(LocationTables, JerusalemFromTheTableIsTheBuiltinDefaultRow) {
    const LOCATION_TABLE_ENTRY* jerusalem = nullptr;
    for (int i = 0; IsraelTableEntry(i).city[0]; ++i) {
        if (std::wstring(IsraelTableEntry(i).city) == L"Jerusalem")
            jerusalem = &IsraelTableEntry(i);
    }
    ASSERT_NE(jerusalem, nullptr);
    const LOC_STRUCT added = LocationFromTableEntry(*jerusalem, 0, kIsraelTableDstRule,
                                                    kIsraelTableShita,
                                                    IsraelTableCandleLighting(jerusalem->city));
    EXPECT_EQ(added, ParseLocationRow(kBuiltinRow0).location);
}

TEST(LocationTables, IsraelCandleLightingPreselection) {
    struct Case {
        const wchar_t* city;
        int choice;
    };
    constexpr Case kCases[] = {
        {L"Jerusalem", 6}, {L"Petah Tikva", 6}, {L"Haifa", 5}, {L"Be'er Sheva", 5},
        {L"Tel Aviv", 3},  {L"Safed", 3},       {L"jerusalem", 3},
    };
    for (const Case& c : kCases)
        EXPECT_EQ(IsraelTableCandleLighting(c.city), c.choice) << testing::PrintToString(std::wstring(c.city));
}

TEST(LocationTables, SouthernPlacesComputeNegativeLatitudes) {
    for (int i = 0; WorldTableEntry(i).city[0]; ++i) {
        const LOCATION_TABLE_ENTRY& e = WorldTableEntry(i);
        const LOCATION_COORDINATES coords = LocationCoordinates(LocationFromTableEntry(e, 1, 1, 3, 2));
        SCOPED_TRACE(testing::PrintToString(std::wstring(e.city)));
        EXPECT_EQ(coords.latitude < 0, e.latitudeDirection == 2);
        EXPECT_EQ(coords.longitude < 0, e.longitudeDirection == 2);
    }
}

} // namespace
} // namespace vessant

#include "locations/LocationList.h"

#include "locations/LocationRow.h"
#include "platform/ProfileFile.h"
#include "zmanim/ShitotStore.h"
#include "zmanim/ZmanimStruct.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <utility>

namespace vessant {
namespace {

constexpr std::int16_t kIsraelFallbackShita = kShitaEretzYisraelGra;
constexpr std::int16_t kDiasporaFallbackShita = kShitaDiasporaGra;
// Rows in Israel stored latitude first show a "longitude" below this many degrees:
// Israel lies east of 34° E and north of 29° N, so its latitudes are all below 34.
constexpr std::int16_t kIsraelWesternmostDegrees = 34;

// The rules that turn a row as stored into the record the program uses.
void NormaliseRow(LOC_STRUCT& loc, bool fromFile, const LOCATION_LOAD_FLAGS& flags) {
    if (fromFile && flags.oldLocationRows)
        loc.candleLighting = static_cast<std::int16_t>(loc.candleLighting + 1);

    if (IsIsraelCountry(loc.country))
        loc.diaspora = 0;
    else if (loc.diaspora == 2)
        loc.diaspora = 1;

    if (flags.freshFile && loc.diaspora == 0 && loc.longitudeDegrees < kIsraelWesternmostDegrees) {
        std::swap(loc.longitudeDegrees, loc.latitudeDegrees);
        std::swap(loc.longitudeMinutes, loc.latitudeMinutes);
    }

    if (loc.shita >= kFirstCustomShita) {
        const bool exists = flags.shitaExists ? flags.shitaExists(loc.shita)
                                              : FindShita(loc.shita) != nullptr;
        if (!exists)
            loc.shita = loc.diaspora == 0 ? kIsraelFallbackShita : kDiasporaFallbackShita;
    }
}

std::wstring_view BuiltinRow(int n) {
    if (n == 0)
        return kBuiltinRow0;
    if (n == 1)
        return kBuiltinRow1;
    return {};
}

} // namespace

void SortLocations(LOCATION_LIST& list) {
    const int count = static_cast<int>(list.locations.size());
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    const CLocationCityComparer comparer;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return comparer.Less(list.locations[a], list.locations[b]);
    });
    std::vector<LOC_STRUCT> sorted;
    sorted.reserve(count);
    int newDefault = 0;
    for (int i = 0; i < count; ++i) {
        if (order[i] == list.defaultIndex)
            newDefault = i;
        sorted.push_back(std::move(list.locations[order[i]]));
    }
    list.locations = std::move(sorted);
    list.defaultIndex = newDefault;
}

void LoadLocations(LOCATION_LIST& list, const platform::ProfileFile& options,
                   const LOCATION_LOAD_FLAGS& flags) {
    list.locations.clear();
    // No marker keeps the previous default, as long as it still names a location.
    std::int32_t defaultIndex = list.defaultIndex;
    for (int n = 0;; ++n) {
        const std::wstring key = std::to_wstring(n);
        std::wstring value = options.GetString(kLocationsSection, key);
        bool fromFile = !value.empty();
        if (!fromFile) {
            // An empty row "0" or "1" is treated as a missing one, so the list is never
            // left empty.
            value = BuiltinRow(n);
            if (value.empty())
                break;
        }
        LOCATION_ROW row = ParseLocationRow(value);
        NormaliseRow(row.location, fromFile, flags);
        if (row.isDefault)
            defaultIndex = n;
        list.locations.push_back(std::move(row.location));
    }
    list.rowsRead = static_cast<std::int32_t>(list.locations.size());
    list.defaultIndex =
        (defaultIndex >= 0 && defaultIndex < list.rowsRead) ? defaultIndex : 0;
    SortLocations(list);
}

void SaveLocations(const LOCATION_LIST& list, platform::ProfileFile& options) {
    options.DeleteSection(kLocationsSection);
    for (std::size_t i = 0; i < list.locations.size(); ++i) {
        const bool isDefault = static_cast<std::int32_t>(i) == list.defaultIndex;
        options.WriteString(kLocationsSection, std::to_wstring(i),
                            LocationRowText(list.locations[i], isDefault));
    }
}

int AddLocation(LOCATION_LIST& list, const LOC_STRUCT& location) {
    LOC_STRUCT stored = location;
    stored.city = StorableLocationText(stored.city);
    stored.country = StorableLocationText(stored.country);
    // Sorting is stable and the new location comes last, so it is the last of its city.
    const std::wstring city = stored.city;
    list.locations.push_back(std::move(stored));
    SortLocations(list);
    const auto after = std::upper_bound(
        list.locations.begin(), list.locations.end(), city,
        [](const std::wstring& c, const LOC_STRUCT& loc) { return c < loc.city; });
    return static_cast<int>(after - list.locations.begin()) - 1;
}

void DeleteLocation(LOCATION_LIST& list, int index) {
    const int count = static_cast<int>(list.locations.size());
    if (index < 0 || index >= count || count < 2)
        return;
    list.locations.erase(list.locations.begin() + index);
    if (index < list.defaultIndex)
        --list.defaultIndex;
    else if (index == list.defaultIndex)
        list.defaultIndex = 0;
}

bool LocationListUsesShita(const LOCATION_LIST& list, std::int32_t id) {
    return std::any_of(list.locations.begin(), list.locations.end(),
                       [id](const LOC_STRUCT& loc) { return loc.shita == id; });
}

const LOC_STRUCT& DefaultLocation(const LOCATION_LIST& list) {
    const auto count = static_cast<std::int32_t>(list.locations.size());
    if (count == 0) {
        static const LOC_STRUCT jerusalem = ParseLocationRow(kBuiltinRow0).location;
        return jerusalem;
    }
    const std::int32_t index =
        (list.defaultIndex >= 0 && list.defaultIndex < count) ? list.defaultIndex : 0;
    return list.locations[static_cast<std::size_t>(index)];
}

LOCATION_LIST& ProgramLocations() {
    static LOCATION_LIST list;
    return list;
}

} // namespace vessant

#pragma once
// The user's list of locations, kept in the "locations" section of options.ini: keys
// "0", "1", ... in list order, each holding one row (locations/LocationRow.h). One row
// carries the marker "default"; that location is used when the program starts.

#include "locations/LocationStruct.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace vessant::platform {
class ProfileFile;
}

namespace vessant {

inline constexpr std::wstring_view kLocationsSection = L"locations";

struct LOCATION_LIST {
    std::vector<LOC_STRUCT> locations;  // sorted by city after every load and addition
    std::int32_t rowsRead = 0;          // rows taken by the last load
    std::int32_t defaultIndex = 0;      // index into locations
};

struct LOCATION_LOAD_FLAGS {
    // The options file was written by a version before 3.1.36, whose candle-lighting
    // choices were numbered from 0: every row read from the file gets one added.
    bool oldLocationRows = false;
    // The options file carries no program version (as one written by the transfer
    // program): its rows in Israel may hold latitude first, which is put right.
    bool freshFile = false;
    // Whether a custom shita with this id (100 and up) exists. A row naming a missing one
    // falls back to a built-in shita. Unset: the program's shita store is asked
    // (FindShita), so shitot.ini must be loaded before the locations.
    std::function<bool(std::int32_t id)> shitaExists;
};

// Orders locations by city: a case-sensitive comparison of character codes.
class CLocationCityComparer {
public:
    bool Less(const LOC_STRUCT& a, const LOC_STRUCT& b) const { return a.city < b.city; }
    bool Greater(const LOC_STRUCT& a, const LOC_STRUCT& b) const { return b.city < a.city; }
    bool Equal(const LOC_STRUCT& a, const LOC_STRUCT& b) const { return a.city == b.city; }
};

// Empties the list and reads the "locations" section: rows "0", "1", ... up to the first
// one missing or empty, however many there are. A missing row "0" or "1" is the built-in
// Jerusalem or Pittsburgh row. The list always holds at least one location afterwards,
// and the default index points into it.
void LoadLocations(LOCATION_LIST& list, const platform::ProfileFile& options,
                   const LOCATION_LOAD_FLAGS& flags);

// Replaces the whole "locations" section of the profile (in memory) with one row per
// location in list order. The caller saves the file and reports a failure.
void SaveLocations(const LOCATION_LIST& list, platform::ProfileFile& options);

// Appends a location and re-sorts the list by city; no check for duplicates. Tabs and line
// breaks in its city and country become blanks. The default stays on the same location.
// Returns the new location's index. The caller then saves all settings.
int AddLocation(LOCATION_LIST& list, const LOC_STRUCT& location);

// Removes location `index` (ignored when out of range or when it is the only one). The
// default stays on the same location; when the default itself goes, the first location
// becomes the default. The caller then saves all settings.
void DeleteLocation(LOCATION_LIST& list, int index);

// Sorts by city, keeping the default index on the same location. Equal cities keep their
// order.
void SortLocations(LOCATION_LIST& list);

// Whether any location uses shita `id`: a custom shita in use cannot be deleted.
bool LocationListUsesShita(const LOCATION_LIST& list, std::int32_t id);

// The location at the default index (the first when the index is out of range; the
// built-in Jerusalem row for an empty list, which a load never leaves).
const LOC_STRUCT& DefaultLocation(const LOCATION_LIST& list);

// The program-wide list, alive from start-up to exit; the settings store loads and saves
// it with options.ini.
LOCATION_LIST& ProgramLocations();

} // namespace vessant

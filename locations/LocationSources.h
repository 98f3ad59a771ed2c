#pragma once
// Where the user picks new locations from: the two built-in tables and the optional
// locations.ini beside the program, whose every section is one more list of rows in the
// form of the "locations" section of options.ini.

#include "locations/LocationStruct.h"
#include "locations/LocationTables.h"
#include "zmanim/ZmanimStruct.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vessant::platform {
class ProfileFile;
}

namespace vessant {

// The choices offered for a place of the Israel table: DST rule "Israel", the shita
// "Eretz Yisrael (GR"A)", and candle lighting 40 minutes before sunset in Jerusalem and
// Petah Tikva, 30 in Haifa and Be'er Sheva, 21 everywhere else.
inline constexpr std::int16_t kIsraelTableDstRule = 15;
inline constexpr std::int16_t kIsraelTableShita = kShitaEretzYisraelGra;
std::int16_t IsraelTableCandleLighting(std::wstring_view city);

// A new location from a table entry: its city, country, coordinates and zone, with the
// chosen DST rule, shita and candle lighting. diaspora is 0 for the Israel table, 1 for
// the world table.
LOC_STRUCT LocationFromTableEntry(const LOCATION_TABLE_ENTRY& entry, std::int16_t diaspora,
                                  std::int16_t dstRule, std::int16_t shita,
                                  std::int16_t candleLighting);

// locations.ini in the program folder, else in the installed data folder; empty when
// neither has one.
std::filesystem::path FindLocationsIni();

// The section names of locations.ini, in file order: one list of places each.
std::vector<std::wstring> LocationsIniSections(const platform::ProfileFile& file);

// The rows of one section: keys "0", "1", ... up to the first missing or empty one. Each
// keeps its own DST rule, shita and candle lighting; diaspora follows the country (0 for
// Israel, else 1).
std::vector<LOC_STRUCT> LocationsIniRows(const platform::ProfileFile& file,
                                         std::wstring_view section);

} // namespace vessant

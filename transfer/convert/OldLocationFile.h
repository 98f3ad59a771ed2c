#pragma once
// "vessant.loc", the location file of the second older generation: a header line holding
// "*** VESSANT32 2.", a line "*** LOC VER 000 ***", then one record per line,
//   a one-character field, country, city (single words), and eight integers:
//   longitude degrees, minutes, direction, latitude degrees, minutes, direction, zone,
//   daylight-saving rule.
// The old programs kept no shita, candle-lighting time or Israel flag for a location.

#include "locations/LocationStruct.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vessant::transfer {

struct OLD_LOCATION_RECORD {
    std::string country;
    std::string city;
    std::array<std::int32_t, 8> numbers{};  // in the order above
};

struct OLD_LOCATION_FILE {
    bool recognised = false;  // both header lines as expected
    std::vector<OLD_LOCATION_RECORD> records;
    // Records cut short, or with a word where a number belongs, or a number no location
    // field can hold; each is passed over to the end of its line.
    int unreadableRecords = 0;
};

OLD_LOCATION_FILE ReadOldLocationFile(std::string_view fileBytes);

// The shita and candle-lighting choice a carried location starts with; the user sets
// the right ones in the calendar.
inline constexpr std::int16_t kCarriedShita = 3;
inline constexpr std::int16_t kCarriedCandleLighting = 1;

// The location a record becomes. Only a country spelt exactly "Israel" is marked as in
// Israel here (the calendar's loader also accepts other spellings). With
// exchangeIsraelCoordinates, a location in Israel whose longitude degrees are below 34
// has its longitude and latitude exchanged: the old programs stored such rows latitude
// first, and the calendar puts them right only in an options.ini that no version of it
// has written yet.
LOC_STRUCT ConvertOldLocation(const OLD_LOCATION_RECORD& record, bool exchangeIsraelCoordinates);

// Whether two locations hold the same of what an old record carries: city, country,
// coordinates, zone and daylight-saving rule. The rest is the calendar's to change.
bool SameCarriedLocation(const LOC_STRUCT& a, const LOC_STRUCT& b);

} // namespace vessant::transfer

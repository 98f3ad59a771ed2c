#pragma once
// A location's record turned into the numbers the zmanim calculator takes.

#include "locations/LocationStruct.h"

#include <cstdint>

namespace vessant {

struct LOCATION_COORDINATES {
    double longitude = 0;        // degrees, east positive
    double latitude = 0;         // degrees, north positive
    int zoneOffsetTenths = 0;    // hours * 10 from Universal Time
    int dstRule = 0;
    int shita = 0;
};

// Decimal coordinates are degrees + minutes / 60, negative unless the direction is East
// (longitude) or North (latitude), rounded to single precision as they always have been,
// so that times computed here match those of earlier versions to the second.
LOCATION_COORDINATES LocationCoordinates(const LOC_STRUCT& location);

} // namespace vessant

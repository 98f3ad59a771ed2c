#include "locations/LocationCoordinates.h"

#include "zmanim/TimeZones.h"

namespace vessant {
namespace {

double SignedDegrees(int degrees, int minutes, int direction, int positiveDirection) {
    const double sign = direction == positiveDirection ? 1.0 : -1.0;
    return static_cast<double>(static_cast<float>((degrees + minutes / 60.0) * sign));
}

} // namespace

LOCATION_COORDINATES LocationCoordinates(const LOC_STRUCT& loc) {
    LOCATION_COORDINATES result;
    result.longitude = SignedDegrees(loc.longitudeDegrees, loc.longitudeMinutes,
                                     loc.longitudeDirection, kDirectionEast);
    result.latitude = SignedDegrees(loc.latitudeDegrees, loc.latitudeMinutes,
                                    loc.latitudeDirection, kDirectionNorth);
    result.zoneOffsetTenths = ZoneOffsetTenths(loc.timeZone);
    result.dstRule = loc.dstRule;
    result.shita = loc.shita;
    return result;
}

} // namespace vessant

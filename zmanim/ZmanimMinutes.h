#pragma once
// Minutes of the zmanim as hours. Regular minutes are clock minutes; proportional minutes
// scale with the seasonal hour; strict proportional minutes are whichever of the two is
// the larger offset, judged by whether the seasonal hour reaches a full hour.

namespace vessant {

inline double RegularMinutes(double minutes) { return minutes / 60.0; }

inline double ProportionalMinutes(double minutes, double shaaZmanit) {
    return minutes / 60.0 * shaaZmanit;
}

inline double StrictMinutes(double minutes, double shaaZmanit) {
    return shaaZmanit < 1.0 ? RegularMinutes(minutes) : ProportionalMinutes(minutes, shaaZmanit);
}

} // namespace vessant

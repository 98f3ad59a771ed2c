#pragma once
// The sun's rising and setting for one civil day and one place: the times at which the
// sun's centre (or upper limb) crosses a given altitude. Mean orbital elements of the sun
// referred to 2000 January 0.0, one first-order step for the eccentric anomaly. Every
// time is in hours of Universal Time and is not reduced to [0, 24): a rise can be
// negative and a set can exceed 24. Pure functions: no state, no allocation.

#include <cstdint>

namespace vessant {

// Status of SunRiseSet.
inline constexpr int kSunCrosses = 0;      // the sun crosses the altitude that day
inline constexpr int kSunAlwaysBelow = -1; // rise = set = transit
inline constexpr int kSunAlwaysAbove = 1;  // rise = transit - 12, set = transit + 12

struct SUN_RISE_SET {
    int code = kSunCrosses;
    double rise = 0.0; // UT hours
    double set = 0.0;  // UT hours
};

// jd: Julian day number of the civil date; upperLimb: non-zero to refer the altitude to the
// sun's upper edge; lon east positive, lat north positive, altitude negative below the
// horizon, all in degrees.
SUN_RISE_SET SunRiseSet(std::int32_t jd, int upperLimb, double lon, double lat, double altitude);

// Hours between the morning and the evening crossing of the altitude: 0 when the sun stays
// below it all day, 24 when it stays above.
double DayLength(std::int32_t jd, int upperLimb, double lon, double lat, double altitude);

// Days from 2000 January 0.0 UT to local mean noon of the civil day jd at longitude lon.
double SolarDayNumber(std::int32_t jd, double lon);

// Angle reductions, in degrees: [0, 360) and [-180, 180).
double Normalize360(double x);
double Normalize180(double x);

struct SUN_ECLIPTIC {
    double longitude = 0.0; // degrees; at most one 360 removed, never raised from below 0
    double r = 0.0;         // distance in astronomical units
};
struct SUN_EQUATORIAL {
    double rightAscension = 0.0; // degrees, (-180, 180]
    double declination = 0.0;    // degrees
    double r = 0.0;              // astronomical units
};

SUN_ECLIPTIC SunEclipticPosition(double d);
SUN_EQUATORIAL SunEquatorialPosition(double d);
// Greenwich sidereal time at 0h UT of day d, degrees in [0, 360).
double SiderealTimeAtZeroUT(double d);

// What every rise, set and day length of one civil day at one longitude shares: the sun's
// place at local mean noon and the time of its transit. A day's dozen altitudes need it
// once, not once each.
struct SUN_DAY {
    double d = 0.0;               // SolarDayNumber
    SUN_EQUATORIAL equatorial;
    SUN_ECLIPTIC ecliptic;
    double obliquity = 0.0;       // degrees
    double transit = 0.0;         // UT hours
};
SUN_DAY SunOfDay(std::int32_t jd, double lon);

// SunRiseSet and DayLength from the day's shared part; the same results to the bit.
SUN_RISE_SET SunRiseSet(const SUN_DAY& day, int upperLimb, double lat, double altitude);
double DayLength(const SUN_DAY& day, int upperLimb, double lat, double altitude);

} // namespace vessant

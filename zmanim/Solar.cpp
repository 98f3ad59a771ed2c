#include "zmanim/Solar.h"

#include <cmath>

namespace vessant {

namespace {

constexpr std::int32_t kEpochDay = 2451544;          // 2000 January 0.0 as a day number
constexpr double kRad = 0.017453292519943295;        // degrees to radians
constexpr double kDeg = 57.29577951308232;           // radians to degrees
constexpr double kInv360 = 0.002777777777777778;
constexpr double kSolarRadius = 0.2666;              // apparent radius at 1 AU, degrees
constexpr double kDayLengthFactor = 0.13333333333333333; // 2/15: twice the hour angle in hours

double SinD(double x) { return std::sin(x * kRad); }
double CosD(double x) { return std::cos(x * kRad); }
double Atan2D(double y, double x) { return kDeg * std::atan2(y, x); }
double AcosD(double x) { return kDeg * std::acos(x); }

double Obliquity(double d) { return 23.4393 - 3.563e-7 * d; }

// Lowers the altitude by the sun's apparent radius when the upper edge is meant.
double EffectiveAltitude(int upperLimb, double altitude, double r) {
    return upperLimb != 0 ? altitude - kSolarRadius / r : altitude;
}

} // namespace

double Normalize360(double x) { return x - 360.0 * std::floor(x * kInv360); }

double Normalize180(double x) { return x - 360.0 * std::floor(x * kInv360 + 0.5); }

double SolarDayNumber(std::int32_t jd, double lon) {
    return static_cast<double>(jd - kEpochDay) + 0.5 - lon / 360.0;
}

SUN_ECLIPTIC SunEclipticPosition(double d) {
    const double M = Normalize360(356.047 + 0.9856002585 * d);        // mean anomaly
    const double e = 0.016709 - 1.151e-9 * d;                        // eccentricity
    const double E = M + e * kDeg * SinD(M) * (1.0 + e * CosD(M));   // eccentric anomaly, one step
    const double x = CosD(E) - e;
    const double y = std::sqrt(1.0 - e * e) * SinD(E);
    SUN_ECLIPTIC out;
    out.r = std::sqrt(x * x + y * y);
    const double v = Atan2D(y, x);                                    // true anomaly
    out.longitude = v + (282.9404 + 4.70935e-5 * d);
    if (out.longitude >= 360.0) out.longitude -= 360.0;
    return out;
}

SUN_EQUATORIAL SunEquatorialPosition(double d) {
    const SUN_ECLIPTIC ecl = SunEclipticPosition(d);
    const double x = ecl.r * CosD(ecl.longitude);
    double y = ecl.r * SinD(ecl.longitude);
    const double obliquity = Obliquity(d);
    const double z = y * SinD(obliquity);
    y = y * CosD(obliquity);
    SUN_EQUATORIAL out;
    out.rightAscension = Atan2D(y, x);
    out.declination = Atan2D(z, std::sqrt(x * x + y * y));
    out.r = ecl.r;
    return out;
}

double SiderealTimeAtZeroUT(double d) { return Normalize360(818.9874 + 0.985647352 * d); }

SUN_DAY SunOfDay(std::int32_t jd, double lon) {
    SUN_DAY day;
    day.d = SolarDayNumber(jd, lon);
    day.equatorial = SunEquatorialPosition(day.d);
    const double sidereal = Normalize360(SiderealTimeAtZeroUT(day.d) + 180.0 + lon);
    day.transit = 12.0 - Normalize180(sidereal - day.equatorial.rightAscension) / 15.0;
    day.ecliptic = SunEclipticPosition(day.d);
    day.obliquity = Obliquity(day.d);
    return day;
}

SUN_RISE_SET SunRiseSet(const SUN_DAY& day, int upperLimb, double lat, double altitude) {
    const SUN_EQUATORIAL& sun = day.equatorial;
    const double transit = day.transit;
    const double alt = EffectiveAltitude(upperLimb, altitude, sun.r);
    const double cosH = (SinD(alt) - SinD(lat) * SinD(sun.declination)) /
                        (CosD(lat) * CosD(sun.declination));
    SUN_RISE_SET out;
    double t;
    if (cosH >= 1.0) {
        out.code = kSunAlwaysBelow;
        t = 0.0;
    } else if (cosH <= -1.0) {
        out.code = kSunAlwaysAbove;
        t = 12.0;
    } else {
        out.code = kSunCrosses;
        t = AcosD(cosH) / 15.0;
    }
    out.rise = transit - t;
    out.set = transit + t;
    return out;
}

SUN_RISE_SET SunRiseSet(std::int32_t jd, int upperLimb, double lon, double lat, double altitude) {
    return SunRiseSet(SunOfDay(jd, lon), upperLimb, lat, altitude);
}

double DayLength(const SUN_DAY& day, int upperLimb, double lat, double altitude) {
    const double sinDec = SinD(day.obliquity) * SinD(day.ecliptic.longitude);
    const double cosDec = std::sqrt(1.0 - sinDec * sinDec);
    const double alt = EffectiveAltitude(upperLimb, altitude, day.ecliptic.r);
    const double cosH = (SinD(alt) - SinD(lat) * sinDec) / (CosD(lat) * cosDec);
    if (cosH >= 1.0) return 0.0;
    if (cosH <= -1.0) return 24.0;
    return AcosD(cosH) * kDayLengthFactor;
}

double DayLength(std::int32_t jd, int upperLimb, double lon, double lat, double altitude) {
    return DayLength(SunOfDay(jd, lon), upperLimb, lat, altitude);
}

} // namespace vessant

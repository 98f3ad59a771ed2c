#include "zmanim/Solar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vessant {
namespace {

constexpr double kSunrise = -0.5833333333333334;

TEST(Solar, DayNumberIsLocalMeanNoon) {
    EXPECT_DOUBLE_EQ(SolarDayNumber(2451545, 0.0), 1.5);
    // West longitudes are negative and put local noon later in UT.
    EXPECT_DOUBLE_EQ(SolarDayNumber(2451545, -80.0) - SolarDayNumber(2451545, 0.0), 80.0 / 360.0);
}

TEST(Solar, AngleReductions) {
    struct Case {
        double x, r360, r180;
    };
    constexpr Case kCases[] = {
        {0.0, 0.0, 0.0},       {360.0, 0.0, 0.0},    {-1.0, 359.0, -1.0}, {725.5, 5.5, 5.5},
        {180.0, 180.0, -180.0}, {-180.0, 180.0, -180.0}, {179.0, 179.0, 179.0}, {-540.0, 180.0, -180.0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.x);
        EXPECT_NEAR(Normalize360(c.x), c.r360, 1e-12);
        EXPECT_NEAR(Normalize180(c.x), c.r180, 1e-12);
    }
}

TEST(Solar, PositionOfTheSunAtTheEpoch) {
    // Near perihelion in early January: about 0.983 AU, declination about -23 degrees,
    // true longitude about 280 degrees.
    const SUN_EQUATORIAL sun = SunEquatorialPosition(1.5);
    EXPECT_NEAR(sun.r, 0.9833, 0.0005);
    EXPECT_NEAR(sun.declination, -23.0, 0.2);
    EXPECT_NEAR(SunEclipticPosition(1.5).longitude, 280.4, 0.3);
    // At the June solstice the true longitude is reduced below 360 once: about 90.
    EXPECT_NEAR(SunEclipticPosition(172.5).longitude, 90.0, 1.0);
    EXPECT_NEAR(SiderealTimeAtZeroUT(1.5), Normalize360(818.9874 + 0.985647352 * 1.5), 1e-12);
    EXPECT_GE(SiderealTimeAtZeroUT(-1e5), 0.0);
    EXPECT_LT(SiderealTimeAtZeroUT(-1e5), 360.0);
}

TEST(Solar, UpperLimbLowersTheAltitudeByTheSolarRadius) {
    const std::int32_t jd = 2460482; // 21 June 2024
    const double r = SunEclipticPosition(SolarDayNumber(jd, 35.0)).r;
    const SUN_RISE_SET limb = SunRiseSet(jd, 1, 35.0, 31.8, kSunrise);
    const SUN_RISE_SET centre = SunRiseSet(jd, 0, 35.0, 31.8, kSunrise - 0.2666 / r);
    EXPECT_DOUBLE_EQ(limb.rise, centre.rise);
    EXPECT_DOUBLE_EQ(limb.set, centre.set);
    EXPECT_LT(limb.rise, SunRiseSet(jd, 0, 35.0, 31.8, kSunrise).rise);
}

TEST(Solar, PolarCodesAndDayLengths) {
    struct Case {
        const char* what;
        std::int32_t jd;
        double lat;
        double altitude;
        int code;
        double dayLength;
    };
    constexpr Case kCases[] = {
        {"70N June sunrise", 2460482, 70.0, kSunrise, kSunAlwaysAbove, 24.0},
        {"70N December sunrise", 2460666, 70.0, kSunrise, kSunAlwaysBelow, 0.0},
        {"55N June 19.86 degrees", 2460482, 55.0, -19.86, kSunAlwaysAbove, 24.0},
        {"70S June sunrise", 2460482, -70.0, kSunrise, kSunAlwaysBelow, 0.0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        const SUN_RISE_SET s = SunRiseSet(c.jd, 1, 10.0, c.lat, c.altitude);
        EXPECT_EQ(s.code, c.code);
        EXPECT_EQ(DayLength(c.jd, 1, 10.0, c.lat, c.altitude), c.dayLength);
        const double transit = (s.rise + s.set) / 2.0;
        EXPECT_DOUBLE_EQ(s.set - s.rise, c.code == kSunAlwaysAbove ? 24.0 : 0.0);
        EXPECT_NEAR(transit, 12.0 - 10.0 / 15.0, 0.3); // around local noon, equation of time aside
    }
}

TEST(Solar, ResultsAreNotReducedToOneDay) {
    // Sydney in December rises before 0h UT; Anchorage in June sets after 24h UT.
    EXPECT_LT(SunRiseSet(2460666, 1, 151.2, -33.87, kSunrise).rise, 0.0);
    EXPECT_GT(SunRiseSet(2460482, 1, -149.9, 61.22, kSunrise).set, 24.0);
}

// Day length and the rise-to-set span come from separate paths through the orbit; they
// must agree on every day where the sun crosses, at every latitude band.
TEST(Solar, DayLengthMatchesRiseToSetOverYears) {
    constexpr double kLatitudes[] = {-60.0, -33.9, 0.0, 31.8, 51.5, 65.0};
    constexpr double kAltitudes[] = {kSunrise, -6.0, -16.11, -19.86};
    for (std::int32_t jd = 2451545; jd < 2451545 + 4 * 366; jd += 3) {
        for (double lat : kLatitudes) {
            for (double alt : kAltitudes) {
                const SUN_RISE_SET s = SunRiseSet(jd, 1, 35.0, lat, alt);
                const double length = DayLength(jd, 1, 35.0, lat, alt);
                if (s.code == kSunCrosses) {
                    ASSERT_NEAR(s.set - s.rise, length, 1e-9) << "jd " << jd << " lat " << lat << " alt " << alt;
                } else {
                    ASSERT_EQ(length, s.code == kSunAlwaysAbove ? 24.0 : 0.0) << "jd " << jd << " lat " << lat;
                }
            }
        }
    }
}

} // namespace
} // namespace vessant

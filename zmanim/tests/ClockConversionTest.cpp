#include "zmanim/ClockConversion.h"
#include "zmanim/ZmanimMinutes.h"

#include <gtest/gtest.h>

namespace vessant {
namespace {

constexpr double Hms(int h, int m, int s) { return h + m / 60.0 + s / 3600.0; }

TEST(ClockConversion, NearestAndTruncate) {
    struct Case {
        const char* what;
        double ut;
        double zone;
        int dst;
        int nearestH, nearestM, truncH, truncM;
    };
    const Case kCases[] = {
        {"31 seconds round up", Hms(17, 23, 31) + 1e-9, 0, 0, 17, 24, 17, 23},
        {"30 seconds do not", Hms(17, 23, 30) + 1e-9, 0, 0, 17, 23, 17, 23},
        {"rounding into the next hour", Hms(9, 59, 45), 0, 0, 10, 0, 9, 59},
        {"23:59:45 becomes 0:00", Hms(23, 59, 45), 0, 0, 0, 0, 23, 59},
        {"negative UT plus zone", -1.5, 20, 0, 0, 30, 0, 30},
        {"past midnight wraps, date does not", 22.5, 20, 0, 0, 30, 0, 30},
        {"daylight saving adds an hour", 10.0, 20, 1, 13, 0, 13, 0},
        {"half-hour zone", 6.0, 55, 0, 11, 30, 11, 30},
        {"zone west of Greenwich", 3.25, -50, 0, 22, 15, 22, 15},
        {"negative before adding a day", -0.25, -35, 1, 21, 15, 21, 15},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        const CLOCK_TIME n = ToLocalClock(c.ut, c.zone, c.dst, ClockMode::Nearest);
        const CLOCK_TIME t = ToLocalClock(c.ut, c.zone, c.dst, ClockMode::Truncate);
        EXPECT_EQ(n.hour, c.nearestH);
        EXPECT_EQ(n.minute, c.nearestM);
        EXPECT_EQ(t.hour, c.truncH);
        EXPECT_EQ(t.minute, c.truncM);
    }
}

TEST(ClockConversion, Durations) {
    struct Case {
        double hours;
        int h, m, s;
    };
    const Case kCases[] = {
        {Hms(14, 13, 35) + 1e-9, 14, 13, 35},
        {Hms(1, 0, 59) + 1e-9, 1, 0, 59},
        {0.0, 0, 0, 0},
        {24.0, 0, 0, 0}, // a polar day reads as a whole day wrapped
        {Hms(0, 59, 59) + 1e-9, 0, 59, 59},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.hours);
        const DURATION_HMS d = ToDuration(c.hours);
        EXPECT_EQ(d.hours, c.h);
        EXPECT_EQ(d.minutes, c.m);
        EXPECT_EQ(d.seconds, c.s);
    }
}

// The strict rule takes whichever offset is larger, switching at a seasonal hour of
// exactly one hour, where the two agree.
TEST(ZmanimMinutes, StrictMinutesSwitchAtAFullHour) {
    struct Case {
        double shaaZmanit;
        double expected; // for 72 minutes
    };
    const Case kCases[] = {
        {1.0, 1.2},           // exactly one hour: proportional, equal to regular
        {0.999, 1.2},         // shorter: regular minutes
        {0.75, 1.2},
        {1.001, 1.2 * 1.001}, // longer: proportional
        {1.25, 1.5},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.shaaZmanit);
        EXPECT_DOUBLE_EQ(StrictMinutes(72.0, c.shaaZmanit), c.expected);
        EXPECT_GE(StrictMinutes(72.0, c.shaaZmanit), RegularMinutes(72.0));
        EXPECT_GE(StrictMinutes(72.0, c.shaaZmanit), ProportionalMinutes(72.0, c.shaaZmanit) - 1e-15);
    }
    EXPECT_DOUBLE_EQ(ProportionalMinutes(72.0, 1.0), RegularMinutes(72.0));
}

} // namespace
} // namespace vessant

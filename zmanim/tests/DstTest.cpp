#include "zmanim/DstDates.h"
#include "zmanim/DstRules.h"
#include "zmanim/TimeZones.h"

#include "calendar/HebrewCalendar.h"
#include "calendar/Weekday.h"
#include "text/Language.h"

#include <gtest/gtest.h>

#include <string>

namespace vessant {
namespace {

std::int32_t Jd(int y, int m, int d) { return CivilToDayNumber(y, m, d, false); }

TEST(TimeZones, OffsetsInTenths) {
    struct Case {
        int zone, tenths;
    };
    constexpr Case kCases[] = {
        {0, 0}, {1, -120}, {4, -95}, {5, -90}, {10, -50}, {12, -35}, {16, 0},
        {18, 20}, {20, 35}, {24, 55}, {30, 95}, {35, 120}, {36, 0}, {-1, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.zone);
        EXPECT_EQ(ZoneOffsetTenths(c.zone), c.tenths);
    }
}

TEST(TimeZones, NamesComeFromTheTextTable) {
    LoadLanguage(kLanguageEnglish);
    EXPECT_EQ(ZoneName(1), L"Date Line (GMT -12:00)");
    EXPECT_EQ(ZoneName(7), L"Pacific - U.S. &amp; Canada (GMT -08:00)");
    EXPECT_EQ(ZoneName(35), L"Fiji, New Zealand (GMT +12:00)");
    EXPECT_TRUE(ZoneName(0).empty());
    EXPECT_EQ(DstRuleName(1), L"Always off");
    EXPECT_EQ(DstRuleName(25), L"USA");
    EXPECT_TRUE(DstRuleName(26).empty());
    EXPECT_EQ(DstStatusText(kDstStandard), L"Standard time");
    EXPECT_EQ(DstStatusText(kDstEnds), L"DST ends");
    EXPECT_EQ(DstStatusText(kDstBegins), L"DST begins");
    EXPECT_EQ(DstStatusText(kDstInForce), L"Daylight saving time");
}

TEST(DstDates, WeekdayHelpers) {
    EXPECT_EQ(FirstSundayOfMonth(2024, 9), Jd(2024, 9, 1)); // the 1st itself
    EXPECT_EQ(FirstSundayOfMonth(2024, 3), Jd(2024, 3, 3));
    EXPECT_EQ(FirstSundayOnOrAfter(2024, 10, 9), Jd(2024, 10, 13));
    EXPECT_EQ(LastWeekdayOfMonth(2024, kSunday, 12), Jd(2024, 12, 29));  // across the year end
    EXPECT_EQ(LastWeekdayOfMonth(2024, kFriday, 4), Jd(2024, 4, 26));    // last Friday of April
    EXPECT_EQ(LastWeekdayOfMonth(2024, kThursday, 2), Jd(2024, 2, 29));  // leap day, a Thursday
}

struct STATUS_CASE {
    int rule, year, month, day, status;
};

TEST(DstStatus, DaysAroundTheChangeovers) {
    constexpr STATUS_CASE kCases[] = {
        // Europe 2024
        {10, 2024, 3, 30, 0}, {10, 2024, 3, 31, 2}, {10, 2024, 4, 1, 3}, {10, 2024, 10, 26, 3},
        {10, 2024, 10, 27, 1}, {10, 2024, 10, 28, 0},
        // USA: the 2007 change of rule
        {25, 2006, 4, 2, 2}, {25, 2006, 10, 29, 1}, {25, 2006, 3, 12, 0},
        {25, 2007, 3, 11, 2}, {25, 2007, 11, 4, 1}, {25, 2007, 11, 3, 3},
        // Canada follows the same dates
        {6, 2006, 4, 2, 2}, {6, 2007, 3, 11, 2},
        // Australia: a period across the new year
        {3, 2024, 10, 27, 2}, {3, 2024, 3, 31, 1}, {3, 2024, 1, 15, 3}, {3, 2024, 6, 15, 0},
        {3, 2024, 12, 31, 3}, {3, 2024, 3, 30, 3}, {3, 2024, 10, 26, 0},
        // New Zealand before and after 2008
        {20, 2007, 3, 18, 1}, {20, 2007, 10, 7, 2}, {20, 2008, 9, 28, 2}, {20, 2008, 4, 6, 1},
        // Chile, Falklands: first Sunday on or after a date
        {7, 2024, 10, 13, 2}, {7, 2024, 3, 10, 1}, {11, 2024, 9, 8, 2}, {11, 2024, 4, 7, 1},
        // Egypt: last Friday, last Thursday
        {9, 2024, 4, 26, 2}, {9, 2024, 9, 26, 1},
        // fixed dates
        {8, 2024, 4, 1, 2}, {14, 2024, 4, 1, 2}, {14, 2024, 10, 1, 1}, {23, 2024, 10, 2, 0},
        // Always off, always on
        {1, 2024, 7, 1, 0}, {2, 2024, 1, 1, 3},
        // Israel: the three eras
        {15, 2010, 3, 26, 2}, {15, 2010, 9, 12, 1}, {15, 2010, 9, 11, 3}, {15, 2010, 3, 25, 0},
        {15, 2012, 3, 30, 2}, {15, 2012, 9, 23, 1},
        {15, 2024, 3, 29, 2}, {15, 2024, 10, 27, 1}, {15, 2013, 3, 29, 2},
        {15, 2000, 4, 14, 2}, {15, 2000, 10, 6, 1}, {15, 2004, 9, 22, 1},
        {15, 1993, 7, 1, 0}, {15, 1993, 1, 1, 0},
    };
    for (const STATUS_CASE& c : kCases) {
        SCOPED_TRACE("rule " + std::to_string(c.rule) + " " + std::to_string(c.year) + "-" +
                     std::to_string(c.month) + "-" + std::to_string(c.day));
        EXPECT_EQ(DstStatus(c.rule, Jd(c.year, c.month, c.day)), c.status);
    }
}

// Israel from 2005 to 2012: the last Friday before 2 April and the Sunday before Yom
// Kippur, as the clocks were actually changed in those years.
TEST(DstStatus, IsraelByTheHebrewCalendar2005To2012) {
    struct Year {
        int year;
        int startMonth, startDay, endMonth, endDay;
    };
    constexpr Year kYears[] = {
        {2005, 4, 1, 10, 9},   // 2 April a Saturday; Yom Kippur 13 October (Thursday)
        {2006, 3, 31, 10, 1},  // Yom Kippur 2 October (Monday)
        {2007, 3, 30, 9, 16},  // Yom Kippur 22 September (Saturday)
        {2008, 3, 28, 10, 5},  // Yom Kippur 9 October (Thursday)
        {2009, 3, 27, 9, 27},  // Yom Kippur 28 September (Monday)
        {2010, 3, 26, 9, 12},  // 2 April a Friday
        {2011, 4, 1, 10, 2},   // 2 April a Saturday; Yom Kippur 8 October (Saturday)
        {2012, 3, 30, 9, 23},
    };
    for (const Year& y : kYears) {
        SCOPED_TRACE(y.year);
        const DST_PERIOD p = DstPeriod(15, y.year);
        ASSERT_TRUE(p.defined);
        EXPECT_EQ(p.start, Jd(y.year, y.startMonth, y.startDay));
        EXPECT_EQ(p.end, Jd(y.year, y.endMonth, y.endDay));
    }
}

TEST(DstStatus, IsraelNinetiesFollowTheHistoricalDates) {
    constexpr STATUS_CASE kCases[] = {
        {15, 1994, 3, 31, 0}, {15, 1994, 4, 1, 2}, {15, 1994, 8, 27, 3}, {15, 1994, 8, 28, 1},
        {15, 1994, 9, 3, 0},  {15, 1995, 3, 31, 2}, {15, 1995, 8, 28, 3}, {15, 1995, 9, 3, 1},
        {15, 1995, 4, 1, 3},
    };
    for (const STATUS_CASE& c : kCases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day));
        EXPECT_EQ(DstStatus(c.rule, Jd(c.year, c.month, c.day)), c.status);
    }
}

TEST(DstStatus, YearsBeforeARuleAndUnknownRulesAreStandardTime) {
    struct Case {
        int rule, year;
    };
    constexpr Case kCases[] = {
        {4, 1986}, {6, 1987}, {10, 1995}, {13, 1986}, {16, 1995}, {17, 1986}, {22, 1995}, {25, 1986},
        {0, 2024}, {26, 2024}, {-3, 2024}, {15, 1993},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE("rule " + std::to_string(c.rule) + " year " + std::to_string(c.year));
        for (int month = 1; month <= 12; ++month) {
            EXPECT_EQ(DstStatus(c.rule, Jd(c.year, month, 15)), kDstStandard);
        }
    }
}

// Over sixty years, every rule with dates begins once and ends once a year, and between
// the two days the status is steady: no day is skipped or doubled.
TEST(DstStatus, EachYearHasOneBeginningOneEndAndSteadyRuns) {
    for (int rule = 3; rule <= kDstRuleCount; ++rule) {
        for (int year = 1996; year <= 2055; ++year) {
            SCOPED_TRACE("rule " + std::to_string(rule) + " year " + std::to_string(year));
            int begins = 0, ends = 0;
            int previous = -1;
            int changes = 0;
            for (std::int32_t jd = Jd(year, 1, 1); jd <= Jd(year, 12, 31); ++jd) {
                const int status = DstStatus(rule, jd);
                begins += status == kDstBegins;
                ends += status == kDstEnds;
                const int inForce = status > kDstEnds;
                if (previous >= 0 && inForce != previous) ++changes;
                previous = inForce;
            }
            EXPECT_EQ(begins, 1);
            EXPECT_EQ(ends, 1);
            EXPECT_EQ(changes, 2);
        }
    }
}

} // namespace
} // namespace vessant

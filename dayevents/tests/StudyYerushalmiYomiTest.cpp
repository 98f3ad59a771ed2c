// Yerushalmi yomi: the skip days, the cycle starts and a sweep over 1980-2100.

#include "dayevents/YerushalmiYomi.h"

#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"
#include "dayevents/YerushalmiYomiTable.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vessant {
namespace {

int Gregorian(int y, int m, int d) { return CivilToDayNumber(y, m, d, false); }

int Hebrew(int year, int month, int day) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    EXPECT_TRUE(SetHebrewDate(date, year, month, day));
    return date.dayNumber;
}

// Skip days read from the date record itself.
bool IsSkipDayByRecord(std::int32_t jdn) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    SetDayNumber(date, jdn);
    const int weekday = Weekday(date);
    if (date.hebMonth == kTishrei)
        return date.hebDay == 10;
    if (date.hebMonth == kAv)
        return (date.hebDay == 9 && weekday != 7) || (date.hebDay == 10 && weekday == 1);
    return false;
}

// The page index that follows another in reading order.
YERUSHALMI_YOMI Following(const YERUSHALMI_YOMI& page) {
    const std::int32_t end =
        page.tractate == kYerushalmiTractates ? kYerushalmiCycleDays : kYerushalmiStarts[page.tractate];
    const std::int32_t pages = end - kYerushalmiStarts[page.tractate - 1];
    if (page.page < pages)
        return {page.tractate, page.page + 1};
    return {page.tractate == kYerushalmiTractates ? 1 : page.tractate + 1, 1};
}

TEST(YerushalmiYomi, FirstDaysAndTheDayBefore) {
    EXPECT_EQ(YerushalmiYomi(kYerushalmiYomiFirstDay - 1).tractate, 0);
    EXPECT_FALSE(YerushalmiYomiPosition(kYerushalmiYomiFirstDay - 1).has_value());
    // The count began on Tu BiShvat 5740, 2 February 1980.
    ASSERT_EQ(kYerushalmiYomiFirstDay, Gregorian(1980, 2, 2));
    const YERUSHALMI_YOMI first = YerushalmiYomi(kYerushalmiYomiFirstDay);
    EXPECT_EQ(first.tractate, 1);
    EXPECT_EQ(first.page, 1);
    EXPECT_EQ(YerushalmiYomiPosition(kYerushalmiYomiFirstDay)->cycle, 1);
    const YERUSHALMI_YOMI second = YerushalmiYomi(kYerushalmiYomiFirstDay + 68);
    EXPECT_EQ(second.tractate, 2); // Peah 1, no skip day in between
    EXPECT_EQ(second.page, 1);
}

struct SkipCase {
    const char* what;
    int year;     // Hebrew
    int month;
    int day;
    bool skipped;
};

TEST(YerushalmiYomi, SkipDays) {
    const SkipCase cases[] = {
        {"Yom Kippur", 5785, kTishrei, 10, true},
        {"Erev Yom Kippur", 5785, kTishrei, 9, false},
        {"Tisha B'Av on Sunday", 5784, kAv, 9, true}, // 13 August 2024
        {"10 Av after a weekday fast", 5784, kAv, 10, false},
        {"9 Av on Shabbat", 5782, kAv, 9, false},     // 6 August 2022
        {"Sunday 10 Av, the fast put off", 5782, kAv, 10, true},
        {"Tisha B'Av on Thursday", 5785, kAv, 9, true},
    };
    for (const SkipCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::int32_t jdn = Hebrew(c.year, c.month, c.day);
        EXPECT_EQ(IsYerushalmiSkipDay(jdn), c.skipped);
        EXPECT_EQ(YerushalmiYomi(jdn).tractate == 0, c.skipped);
        if (c.skipped) {
            // The day after goes on with the page after the one before.
            const YERUSHALMI_YOMI before = YerushalmiYomi(jdn - 1);
            const YERUSHALMI_YOMI after = YerushalmiYomi(jdn + 1);
            const YERUSHALMI_YOMI expected = Following(before);
            EXPECT_EQ(after.tractate, expected.tractate);
            EXPECT_EQ(after.page, expected.page);
        }
    }
}

TEST(YerushalmiYomi, SkipCountsAreHalfOpen) {
    const std::int32_t yomKippur = Hebrew(5785, kTishrei, 10);
    EXPECT_EQ(YerushalmiSkips(yomKippur, yomKippur), 0);
    EXPECT_EQ(YerushalmiSkips(yomKippur, yomKippur + 1), 1);
    EXPECT_EQ(YerushalmiSkips(yomKippur + 1, yomKippur + 100), 0);
    EXPECT_EQ(YerushalmiSkips(yomKippur + 1, yomKippur), 0);
    // One Yom Kippur and one Tisha B'Av in every Hebrew year.
    EXPECT_EQ(YerushalmiSkips(Hebrew(5700, kTishrei, 1), Hebrew(5800, kTishrei, 1)), 200);
}

// Every day from the first cycle to the end of 2100: skip days (found from the date
// record) have no page, and every other day reads the page after the previous one, so
// each cycle reads its 1554 pages once, in order, and the next starts at Berachot 1.
TEST(YerushalmiYomi, Sweep1980To2100) {
    const std::int32_t last = Gregorian(2100, 12, 31);
    YERUSHALMI_YOMI expected{1, 1};
    std::int32_t cycle = 1;
    std::int32_t pagesInCycle = 0;
    int cycles = 0;
    for (std::int32_t jdn = kYerushalmiYomiFirstDay; jdn <= last; ++jdn) {
        const YERUSHALMI_YOMI page = YerushalmiYomi(jdn);
        if (IsSkipDayByRecord(jdn)) {
            ASSERT_EQ(page.tractate, 0) << "a page on skip day " << jdn;
            ASSERT_FALSE(YerushalmiYomiPosition(jdn).has_value()) << jdn;
            continue;
        }
        ASSERT_EQ(page.tractate, expected.tractate) << "day " << jdn;
        ASSERT_EQ(page.page, expected.page) << "day " << jdn;
        const auto position = YerushalmiYomiPosition(jdn);
        ASSERT_TRUE(position.has_value()) << jdn;
        ASSERT_EQ(position->cycle, cycle) << jdn;
        ASSERT_EQ(position->index, pagesInCycle) << jdn;
        if (pagesInCycle == 0 && page.tractate == 1) {
            ASSERT_LE(YerushalmiCycleStart(jdn), jdn);
        }
        expected = Following(page);
        if (++pagesInCycle == kYerushalmiCycleDays) {
            ASSERT_EQ(expected.tractate, 1) << "cycle " << cycle << " ends early or late";
            pagesInCycle = 0;
            ++cycle;
            ++cycles;
        }
    }
    EXPECT_GE(cycles, 28);
}

// Until a skip day first falls just past the 1562-day window (the cycle starting on day
// 3092732), the cycle starts are those of the window rule: each start is the last one plus
// 1554 plus the skip days among the 1562 days from it.
TEST(YerushalmiYomi, CycleStartsFollowTheWindowRule) {
    const std::int32_t probes[] = {Gregorian(1985, 6, 1), Gregorian(2024, 10, 12), Gregorian(2100, 1, 1),
                                   Gregorian(3000, 3, 1), 3092731};
    for (const std::int32_t jdn : probes) {
        SCOPED_TRACE(jdn);
        std::int32_t start = kYerushalmiYomiFirstDay;
        std::int32_t number = 1;
        for (;;) {
            const std::int32_t next = start + 1554 + YerushalmiSkips(start, start + 1562);
            if (next > jdn)
                break;
            start = next;
            ++number;
        }
        EXPECT_EQ(YerushalmiCycleStart(jdn), start);
        const auto position = YerushalmiYomiPosition(IsYerushalmiSkipDay(jdn) ? jdn + 1 : jdn);
        ASSERT_TRUE(position.has_value());
        EXPECT_EQ(position->cycle, number);
    }
}

// Every cycle, also far ahead, past the cached starts and where the window rule would cut a
// cycle short, holds exactly 1554 study days and ends with Nidah 13.
TEST(YerushalmiYomi, EveryCycleHoldsAllItsPages) {
    const std::int32_t last = Gregorian(10100, 1, 1);
    std::int32_t start = kYerushalmiYomiFirstDay;
    int cycles = 0;
    while (start < last) {
        // A cycle spans 1554 days and its few skip days: 1570 days on is in the next one.
        const std::int32_t next = YerushalmiCycleStart(start + 1570);
        ASSERT_GT(next, start);
        ASSERT_EQ(YerushalmiCycleStart(next - 1), start) << start;
        ASSERT_EQ((next - start) - YerushalmiSkips(start, next), 1554) << "cycle from " << start;
        std::int32_t lastStudyDay = next - 1;
        while (IsYerushalmiSkipDay(lastStudyDay))
            --lastStudyDay;
        const YERUSHALMI_YOMI page = YerushalmiYomi(lastStudyDay);
        ASSERT_EQ(page.tractate, 39) << lastStudyDay;
        ASSERT_EQ(page.page, 13) << lastStudyDay;
        start = next;
        ++cycles;
    }
    EXPECT_GT(cycles, 1870);
}

TEST(YerushalmiYomi, IndexOutsideTheCycleHasNoPage) {
    for (const std::int32_t index : {-1, 1554}) {
        EXPECT_EQ(YerushalmiYomiAtIndex(index).tractate, 0) << index;
    }
    const YERUSHALMI_YOMI last = YerushalmiYomiAtIndex(1553);
    EXPECT_EQ(last.tractate, 39);
    EXPECT_EQ(last.page, 13);
}

} // namespace
} // namespace vessant

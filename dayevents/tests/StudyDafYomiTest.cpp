// Daf yomi: known days and a sweep over ten whole cycles.

#include "dayevents/DafYomi.h"

#include "calendar/HebrewCalendar.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vessant {
namespace {

struct DafCase {
    std::int32_t jdn;
    std::int32_t cycle; // 0: no page
    std::int32_t tractate;
    std::int32_t page;
};

int Gregorian(int y, int m, int d) { return CivilToDayNumber(y, m, d, false); }

TEST(DafYomi, KnownDays) {
    const DafCase cases[] = {
        {2423610, 0, 0, 0},                          // the day before the first cycle
        {2423611, 1, 1, 2},                          // the count's first day: Berachot 2
        {2423611 + 2710, 1, 37, 73},                 // last day of the first cycle
        {2423611 + 2711, 2, 1, 2},
        {2423611 + 7 * 2711, 8, 1, 2},               // the 8th cycle
        {2423611 + 7 * 2711 - 1, 7, 37, 73},
        {Gregorian(2012, 8, 3), 13, 1, 2},           // the 13th cycle
        {Gregorian(2020, 1, 5), 14, 1, 2},           // the 14th cycle
        {Gregorian(2020, 1, 8), 14, 1, 5},
        {Gregorian(2020, 1, 4), 13, 37, 73},
        {Gregorian(2020, 3, 8), 14, 2, 2},           // Berachot 64 was 7 March
        {Gregorian(2020, 3, 7), 14, 1, 64},
        {2423611 + 14 * 2711 + 2603, 15, 36, 2},     // "Meilah, etc" runs 2-37
        {2423611 + 14 * 2711 + 2638, 15, 36, 37},
    };
    for (const DafCase& c : cases) {
        SCOPED_TRACE(c.jdn);
        const DAF_YOMI daf = DafYomi(c.jdn);
        EXPECT_EQ(daf.tractate, c.tractate);
        EXPECT_EQ(daf.page, c.page);
        const auto position = DafYomiPosition(c.jdn);
        ASSERT_EQ(position.has_value(), c.cycle != 0);
        if (position) {
            EXPECT_EQ(position->cycle, c.cycle);
        }
    }
}

TEST(DafYomi, IndexOutsideTheCycleHasNoPage) {
    for (const std::int32_t index : {-1, 2711, 10000}) {
        const DAF_YOMI daf = DafYomiAtIndex(index);
        EXPECT_EQ(daf.tractate, 0) << index;
        EXPECT_EQ(daf.page, 0) << index;
    }
}

// Every tractate with its last page: every page of it is read once per cycle, in order.
TEST(DafYomi, TenCyclesReadEveryPageOnceInOrder) {
    constexpr std::int32_t kLastPage[38] = {0,   64,  157, 105, 121, 22, 88, 56,  40,  35,
                                            31,  32,  29,  27,  122, 112, 91, 66, 49,  90,
                                            82,  119, 119, 176, 113, 24,  49, 76, 14,  120,
                                            110, 142, 61,  34,  34,  28,  37, 73};
    std::int32_t day = kDafYomiFirstDay;
    for (int cycle = 1; cycle <= 10; ++cycle) {
        SCOPED_TRACE(cycle);
        for (std::int32_t tractate = 1; tractate <= 37; ++tractate) {
            for (std::int32_t page = 2; page <= kLastPage[tractate]; ++page, ++day) {
                const DAF_YOMI daf = DafYomi(day);
                ASSERT_EQ(daf.tractate, tractate) << "day " << day;
                ASSERT_EQ(daf.page, page) << "day " << day;
                ASSERT_EQ(DafYomiPosition(day)->cycle, cycle) << "day " << day;
            }
        }
    }
    EXPECT_EQ(day, kDafYomiFirstDay + 10 * 2711);
}

} // namespace
} // namespace vessant

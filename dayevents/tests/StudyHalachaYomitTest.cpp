// Halacha yomit: the telling rows of the day table, the cycle and its last day.

#include "dayevents/HalachaYomit.h"

#include "dayevents/HalachaYomitTable.h"

#include <gtest/gtest.h>

namespace vessant {
namespace {

struct HalachaCase {
    std::int32_t index;
    int book;
    std::int32_t siman;
    int seif;
};

TEST(HalachaYomit, TellingRows) {
    const HalachaCase cases[] = {
        {1, 1, 1, 1},      {2, 1, 1, 4},      {3, 1, 1, 7},       {4, 1, 2, 1},
        {1389, 1, 696, 6}, {1390, 2, 11, 1},  {1612, 2, 220, 10},
        {1613, 2, 220, 10}, // the cycle's extra last day goes on with the last reading
        {0, 0, 0, 0},      {1614, 0, 0, 0},
    };
    for (const HalachaCase& c : cases) {
        SCOPED_TRACE(c.index);
        const HALACHA_YOMIT h = HalachaYomitAtIndex(c.index);
        EXPECT_EQ(h.book, c.book);
        EXPECT_EQ(h.siman, c.siman);
        EXPECT_EQ(h.seif, c.seif);
    }
}

// Orach Chaim runs through siman 697 and Kitzur through siman 221; every day starts
// further on than the day before, and at most a few simanim further.
TEST(HalachaYomit, DayStartsMoveForward) {
    for (int k = 2; k <= kHalachaYomitEntries; ++k) {
        SCOPED_TRACE(k);
        const HALACHA_ENTRY& before = kHalachaYomitTable[k - 1];
        const HALACHA_ENTRY& entry = kHalachaYomitTable[k];
        ASSERT_GE(entry.seif, 1);
        if (k == kHalachaYomitFirstKitzur) {
            ASSERT_EQ(entry.siman, 11);
            continue;
        }
        ASSERT_LE(entry.siman, k < kHalachaYomitFirstKitzur ? 697 : 221);
        ASSERT_TRUE(entry.siman > before.siman || (entry.siman == before.siman && entry.seif > before.seif));
        ASSERT_LE(entry.siman - before.siman, 4);
    }
}

TEST(HalachaYomit, Cycle) {
    EXPECT_EQ(HalachaYomit(kHalachaYomitFirstDay - 1).book, 0);
    EXPECT_FALSE(HalachaYomitPosition(kHalachaYomitFirstDay - 1).has_value());
    struct Day {
        std::int32_t offset; // from the first day
        std::int32_t cycle;
        std::int32_t index;
    };
    const Day days[] = {{0, 0, 1613}, {1, 0, 1}, {1389, 0, 1389}, {1390, 0, 1390},
                        {1613, 1, 1613}, {1614, 1, 1}, {5 * 1613 + 1612, 5, 1612}};
    for (const Day& d : days) {
        SCOPED_TRACE(d.offset);
        const auto position = HalachaYomitPosition(kHalachaYomitFirstDay + d.offset);
        ASSERT_TRUE(position.has_value());
        EXPECT_EQ(position->cycle, d.cycle);
        EXPECT_EQ(position->index, d.index);
    }
    const HALACHA_YOMIT first = HalachaYomit(kHalachaYomitFirstDay + 1);
    EXPECT_EQ(first.book, 1);
    EXPECT_EQ(first.siman, 1);
    EXPECT_EQ(first.seif, 1);
    // The last day of every cycle shows a reading, the one of the day before it.
    for (int cycle = 0; cycle < 3; ++cycle) {
        const std::int32_t lastDay = kHalachaYomitFirstDay + (cycle + 1) * 1613;
        const HALACHA_YOMIT last = HalachaYomit(lastDay);
        const HALACHA_YOMIT before = HalachaYomit(lastDay - 1);
        EXPECT_EQ(last.book, 2);
        EXPECT_EQ(last.siman, before.siman);
        EXPECT_EQ(last.seif, before.seif);
    }
}

} // namespace
} // namespace vessant

// Mishna yomit: the chapter counts behind the day table, known days and three cycles.

#include "dayevents/MishnaYomit.h"

#include "dayevents/detail/MishnaYomitTable.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace vessant {
namespace {

TEST(MishnaYomit, ChapterCountsCoverTheMishnah) {
    int chapters = 0;
    for (const MISHNA_TRACTATE_CHAPTERS& row : kMishnaChapters)
        chapters += row.chapters;
    EXPECT_EQ(chapters, 525);
    EXPECT_EQ(CountMishnayot(), 4192);
    // A few tractate totals as printed editions number them.
    struct Total {
        int tractate;
        int mishnayot;
    };
    const Total totals[] = {{1, 57}, {12, 139}, {39, 108}, {52, 254}, {63, 28}};
    for (const Total& t : totals) {
        int sum = 0;
        const MISHNA_TRACTATE_CHAPTERS& row = kMishnaChapters[t.tractate - 1];
        for (int c = 0; c < row.chapters; ++c)
            sum += row.mishnayot[static_cast<std::size_t>(c)];
        EXPECT_EQ(sum, t.mishnayot) << "tractate " << t.tractate;
    }
}

struct MishnaCase {
    std::int32_t jdn;
    int tractate; // 0: nothing
    int chapter;
    int mishna;
};

TEST(MishnaYomit, KnownDays) {
    const MishnaCase cases[] = {
        {kMishnaYomitFirstDay - 1, 0, 0, 0},
        {kMishnaYomitFirstDay, 63, 3, 11},       // entry 2096 of cycle 0
        {kMishnaYomitFirstDay + 1, 1, 1, 1},
        {kMishnaYomitFirstDay + 3, 1, 1, 5},     // 1:5 and then 2:1
        {kMishnaYomitFirstDay + 4, 1, 2, 2},
        {kMishnaYomitFirstDay + 2096, 63, 3, 11},
        {kMishnaYomitFirstDay + 2097, 1, 1, 1},
        {kMishnaYomitFirstDay + 29, 1, 9, 5},    // Berachot's last, then Peah 1:1
        {kMishnaYomitFirstDay + 30, 2, 1, 2},
    };
    for (const MishnaCase& c : cases) {
        SCOPED_TRACE(c.jdn - kMishnaYomitFirstDay);
        const MISHNA_YOMIT m = MishnaYomit(c.jdn);
        EXPECT_EQ(m.tractate, c.tractate);
        EXPECT_EQ(m.chapter, c.chapter);
        EXPECT_EQ(m.mishna, c.mishna);
    }
    EXPECT_EQ(MishnaYomitPosition(kMishnaYomitFirstDay)->cycle, 0);
    EXPECT_EQ(MishnaYomitPosition(kMishnaYomitFirstDay)->index, 2096);
    EXPECT_EQ(MishnaYomitPosition(kMishnaYomitFirstDay + 2096)->cycle, 1);
    EXPECT_EQ(MishnaYomitPosition(kMishnaYomitFirstDay + 2097)->index, 1);
    EXPECT_EQ(MishnaYomitAtIndex(0).tractate, 0);
    EXPECT_EQ(MishnaYomitAtIndex(2097).tractate, 0);
}

// The mishna after another in reading order, from the chapter counts.
MISHNA_YOMIT Next(const MISHNA_YOMIT& m) {
    const MISHNA_TRACTATE_CHAPTERS& row = kMishnaChapters[m.tractate - 1];
    if (m.mishna < row.mishnayot[m.chapter - 1u])
        return {m.tractate, m.chapter, static_cast<std::uint8_t>(m.mishna + 1)};
    if (m.chapter < row.chapters)
        return {m.tractate, static_cast<std::uint8_t>(m.chapter + 1), 1};
    if (m.tractate < kMishnaTractates)
        return {static_cast<std::uint8_t>(m.tractate + 1), 1, 1};
    return {1, 1, 1};
}

// Three cycles: each day starts two mishnayot after the day before, and every mishna is
// the first or the second of exactly one day of each cycle.
TEST(MishnaYomit, ThreeCyclesReadEveryMishnaOnce) {
    for (int cycle = 1; cycle <= 3; ++cycle) {
        SCOPED_TRACE(cycle);
        std::set<std::tuple<int, int, int>> read;
        MISHNA_YOMIT expected{1, 1, 1};
        for (std::int32_t day = 1; day <= 2096; ++day) {
            const std::int32_t jdn = kMishnaYomitFirstDay + (cycle - 1) * 2096 + day;
            const MISHNA_YOMIT first = MishnaYomit(jdn);
            ASSERT_EQ(MishnaYomitPosition(jdn)->cycle, day == 2096 ? cycle : cycle - 1) << day;
            ASSERT_EQ(first.tractate, expected.tractate) << "day " << day;
            ASSERT_EQ(first.chapter, expected.chapter) << "day " << day;
            ASSERT_EQ(first.mishna, expected.mishna) << "day " << day;
            const MISHNA_YOMIT second = Next(first);
            ASSERT_TRUE(read.emplace(first.tractate, first.chapter, first.mishna).second) << day;
            ASSERT_TRUE(read.emplace(second.tractate, second.chapter, second.mishna).second) << day;
            expected = Next(second);
        }
        EXPECT_EQ(read.size(), 4192u);
        EXPECT_EQ(expected.tractate, 1); // the last day ends the Mishnah
    }
}

} // namespace
} // namespace vessant

// Tanach yomi: the year's variant, the days without study and a sweep over 5767-5900.

#include "dayevents/TanachYomi.h"

#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"
#include "dayevents/detail/TanachYomiTable.h"

#include <gtest/gtest.h>

namespace vessant {
namespace {

DATE_STRUCT HebrewDate(int year, int month, int day) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    EXPECT_TRUE(SetHebrewDate(date, year, month, day)) << year << " " << month << " " << day;
    return date;
}

std::int32_t Hebrew(int year, int month, int day) { return HebrewDate(year, month, day).dayNumber; }

// Non-study days read from the date record.
bool IsNonStudyByRecord(const DATE_STRUCT& date) {
    const int w = Weekday(date);
    const int m = date.hebMonth;
    const int d = date.hebDay;
    if (w == 7)
        return true;
    switch (m) {
    case kTishrei: return d == 1 || d == 2 || d == 10 || d == 15 || d == 22;
    case kAdar: return d == 14;
    case kAdarII: return d == 14;
    case kNisan: return d == 15 || d == 21;
    case kIyyar:
        return ((d == 3 || d == 4) && w == 5) || (d == 5 && w != 2 && w != 6) || (d == 6 && w == 3);
    case kSivan: return d == 6;
    case kAv: return d == 9 || (d == 10 && w == 1);
    default: return false;
    }
}

// The unit number of a reading within its variant (1 = Yehoshua 1).
std::int32_t UnitOf(const TANACH_YOMI& t) {
    std::int32_t unit = 0;
    for (int b = 1; b < t.book; ++b)
        unit += kTanachDaysPerBook[t.variant][b - 1];
    return unit + (t.seder == 0 ? 1 : t.seder);
}

struct DayCase {
    const char* what;
    int year, month, day; // Hebrew
    bool reads;
};

TEST(TanachYomi, DaysWithAndWithoutReading) {
    const DayCase cases[] = {
        {"the day before the first cycle", 5767, kTishrei, 22, false},
        {"a day of 5766", 5766, kNisan, 10, false},
        {"the first day, 15 October 2006", 5767, kTishrei, 23, true},
        {"Shabbat", 5785, kTishrei, 24, false},
        {"Purim 5784", 5784, kAdarII, 14, false},
        {"Purim 5785", 5785, kAdar, 14, false},
        {"Shushan Purim 5784", 5784, kAdarII, 15, true},
        {"Independence Day 5784, moved to Tuesday 6 Iyar", 5784, kIyyar, 6, false},
        {"Monday 5 Iyar 5784", 5784, kIyyar, 5, true},
        {"Independence Day 5783, Wednesday 5 Iyar", 5783, kIyyar, 5, false},
        {"Independence Day 5782, Thursday 4 Iyar", 5782, kIyyar, 4, false},
        {"Friday 5 Iyar 5782", 5782, kIyyar, 5, true},
        {"Independence Day 5781, Thursday 3 Iyar", 5781, kIyyar, 3, false},
        {"Pesach", 5784, kNisan, 15, false},
        {"the seventh day of Pesach", 5784, kNisan, 21, false},
        {"Chol Hamoed Pesach", 5784, kNisan, 17, true},
        {"Shavuot", 5784, kSivan, 6, false},
        {"Tisha B'Av 5784", 5784, kAv, 9, false},
        {"Rosh Hashanah", 5785, kTishrei, 1, false},
        {"Yom Kippur", 5785, kTishrei, 10, false},
        {"Sukkot", 5785, kTishrei, 15, false},
        {"Shemini Atzeret", 5785, kTishrei, 22, false},
        {"Erev Yom Kippur", 5785, kTishrei, 9, true},
    };
    for (const DayCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::int32_t jdn = Hebrew(c.year, c.month, c.day);
        EXPECT_EQ(TanachYomi(jdn).book != 0, c.reads);
        const auto state = TanachYomiState(jdn);
        if (state) {
            EXPECT_EQ(state->studyDay != 0, c.reads);
        }
    }
    const TANACH_YOMI first = TanachYomi(Hebrew(5767, kTishrei, 23));
    EXPECT_EQ(first.book, 1);
    EXPECT_EQ(first.seder, 1);
}

TEST(TanachYomi, StateOfADay) {
    // 5785: 355 days (complete), common; 1 Tishrei 5786 is a Tuesday: variant 3.
    const auto state = TanachYomiState(Hebrew(5785, kTishrei, 25));
    ASSERT_TRUE(state.has_value());
    EXPECT_EQ(state->cyclesBegun, 19);
    EXPECT_EQ(state->dayOfCycle, 3);
    EXPECT_EQ(state->nonStudyDays, 1); // Shabbat 24 Tishrei
    EXPECT_EQ(state->leap, 0);
    EXPECT_EQ(state->yearKind, 3);
    EXPECT_EQ(state->variant, 3);
    EXPECT_EQ(state->studyDay, 1);
    EXPECT_EQ(TanachYomiState(Hebrew(5785, kTishrei, 24))->studyDay, 0);
    // Before 23 Tishrei the day belongs to the cycle of the year before.
    const auto late = TanachYomiState(Hebrew(5786, kTishrei, 21));
    ASSERT_TRUE(late.has_value());
    EXPECT_EQ(late->cyclesBegun, 19);
    EXPECT_FALSE(TanachYomiState(Hebrew(5767, kTishrei, 22)).has_value());
}

TEST(TanachYomi, Variants) {
    struct VariantCase {
        int kind;
        bool leap;
        int weekday; // of the next 1 Tishrei, 0 Sunday
        int variant;
    };
    const VariantCase cases[] = {
        {1, true, 1, 2},  {1, true, 4, 0},  {2, true, 1, 3},  {2, true, 4, 3},  {2, true, 2, 2},
        {2, true, 6, 1},  {3, true, 1, 3},  {3, true, 4, 1},  {3, true, 6, 5},  {1, false, 1, 0},
        {1, false, 4, 0}, {1, false, 6, 1}, {2, false, 2, 2}, {2, false, 4, 2}, {2, false, 6, 0},
        {3, false, 2, 3}, {3, false, 4, 1}, {3, false, 6, 4}, {3, false, 1, 0},
    };
    for (const VariantCase& c : cases) {
        EXPECT_EQ(TanachVariant(c.kind, c.leap, c.weekday), c.variant)
            << c.kind << (c.leap ? " leap " : " common ") << c.weekday;
    }
    const int totals[6][2] = {{292, 317}, {295, 320}, {293, 318}, {294, 319}, {296, 321}, {297, 322}};
    for (int v = 0; v < 6; ++v) {
        EXPECT_EQ(TanachVariantTotal(v, false), totals[v][0]) << v;
        EXPECT_EQ(TanachVariantTotal(v, true), totals[v][1]) << v;
    }
}

TEST(TanachYomi, BooksOfOneDayHaveNoSederNumber) {
    struct BookCase {
        std::int32_t s;
        int variant;
        bool leap;
        int book;
        int seder;
    };
    const BookCase cases[] = {
        {238, 0, false, 11, 8}, // Job
        {239, 0, false, 12, 0}, // Shir Hashirim
        {240, 0, false, 13, 0}, // Ruth
        {241, 0, false, 14, 0}, // Eicha
        {242, 0, false, 15, 1}, // Kohelet
        {241, 1, false, 12, 2}, {243, 1, false, 13, 2}, {244, 1, false, 14, 0},
        {1, 5, true, 1, 1},     {292, 0, false, 19, 25}, {293, 0, false, 0, 0},
        {317, 0, true, 20, 25}, {0, 0, false, 0, 0},
    };
    for (const BookCase& c : cases) {
        const TANACH_YOMI t = TanachYomiAtStudyNumber(c.s, c.variant, c.leap);
        EXPECT_EQ(t.book, c.book) << c.s << " in variant " << c.variant;
        EXPECT_EQ(t.seder, c.seder) << c.s << " in variant " << c.variant;
    }
}

// 5782: 9 Av is Shabbat and the fast moves to Sunday 10 Av. Monday 11 Av reads again the
// unit of Friday 8 Av; the variants' day counts allow for that.
TEST(TanachYomi, NinthOfAvOnShabbat) {
    ASSERT_EQ(Weekday(HebrewDate(5782, kAv, 9)), 7);
    const TANACH_YOMI friday = TanachYomi(Hebrew(5782, kAv, 8));
    const TANACH_YOMI monday = TanachYomi(Hebrew(5782, kAv, 11));
    ASSERT_NE(friday.book, 0);
    EXPECT_EQ(monday.book, friday.book);
    EXPECT_EQ(monday.seder, friday.seder);
    EXPECT_EQ(TanachYomi(Hebrew(5782, kAv, 10)).book, 0);
    const TANACH_YOMI tuesday = TanachYomi(Hebrew(5782, kAv, 12));
    EXPECT_EQ(UnitOf(tuesday), UnitOf(monday) + 1);
}

// Every cycle year from 5767 to 5900: no reading on a non-study day (found from the date
// record); the study days read the units of the variant in order, from Yehoshua 1 on the
// first to the variant's last unit on the last; only Monday 11 Av after a Shabbat 9 Av
// reads a unit again, so the study days number the variant's total, plus one in those years.
TEST(TanachYomi, SweepOfCycleYears5767To5900) {
    for (int year = 5767; year <= 5900; ++year) {
        SCOPED_TRACE(year);
        const std::int32_t first = Hebrew(year, kTishrei, 23);
        const std::int32_t end = Hebrew(year + 1, kTishrei, 23);
        const bool shabbatFast = Weekday(HebrewDate(year, kAv, 9)) == 7;
        const std::int32_t repeatDay = Hebrew(year, kAv, 11);
        int studyDays = 0;
        std::int32_t unit = 0;
        TANACH_YOMI last{};
        DATE_STRUCT date;
        SetTransition(date, kTransitionUK);
        for (std::int32_t jdn = first; jdn < end; ++jdn) {
            SetDayNumber(date, jdn);
            const TANACH_YOMI t = TanachYomi(jdn);
            if (IsNonStudyByRecord(date)) {
                ASSERT_EQ(t.book, 0) << "a reading on non-study day " << jdn;
                continue;
            }
            ASSERT_NE(t.book, 0) << "no reading on study day " << jdn;
            ++studyDays;
            const std::int32_t expected = shabbatFast && jdn == repeatDay ? unit : unit + 1;
            ASSERT_EQ(UnitOf(t), expected) << "day " << jdn;
            if (studyDays == 1) {
                ASSERT_EQ(jdn, first) << "23 Tishrei is never Shabbat";
                ASSERT_EQ(t.book, 1);
                ASSERT_EQ(t.seder, 1);
            }
            unit = expected;
            last = t;
        }
        const bool leap = IsHebrewLeapYear(year);
        const std::int32_t total = TanachVariantTotal(last.variant, leap);
        EXPECT_EQ(studyDays, total + (shabbatFast ? 1 : 0));
        EXPECT_EQ(unit, total);
        EXPECT_EQ(last.book, leap ? 20 : 19);
        EXPECT_EQ(last.seder, 25);
    }
}

} // namespace
} // namespace vessant

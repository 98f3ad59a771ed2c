#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"
#include "calendar/Molad.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace vessant;

namespace {

DATE_STRUCT Record(int transition = kTransitionUK) {
    DATE_STRUCT date;
    SetTransition(date, transition);
    return date;
}

DATE_STRUCT Hebrew(int year, int month, int day) {
    DATE_STRUCT date = Record();
    EXPECT_TRUE(SetHebrewDate(date, year, month, day)) << day << "/" << month << "/" << year;
    return date;
}

DATE_STRUCT Civil(int year, int month, int day, int transition = kTransitionUK) {
    DATE_STRUCT date = Record(transition);
    EXPECT_TRUE(SetCivilDate(date, year, month, day)) << day << "/" << month << "/" << year;
    return date;
}

struct Ymd {
    int y, m, d;
};

::testing::AssertionResult Shows(const DATE_STRUCT& date, Ymd expected) {
    const DATE_TRIPLE shown = CivilDateForDisplay(date);
    if (shown.year == expected.y && shown.month == expected.m && shown.day == expected.d)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "shows " << shown.day << "/" << shown.month << "/" << shown.year
                                         << ", expected " << expected.d << "/" << expected.m << "/" << expected.y;
}

::testing::AssertionResult IsHebrew(const DATE_STRUCT& date, Ymd expected) {
    if (date.hebYear == expected.y && date.hebMonth == expected.m && date.hebDay == expected.d)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "is " << date.hebDay << "/" << date.hebMonth << "/" << date.hebYear
                                         << ", expected " << expected.d << "/" << expected.m << "/" << expected.y;
}

} // namespace

TEST(Transition, FillsTheTransitionFields) {
    DATE_STRUCT date = Record(kTransitionRussian);
    EXPECT_EQ(date.lastJulianDate, 19180201);
    EXPECT_EQ(date.lastJulianDayNumber, 2421639);
    EXPECT_EQ(date.transYear, 1918);
    EXPECT_EQ(date.transMonth, 2);
    EXPECT_EQ(date.firstGregorianDay, 14);
    EXPECT_EQ(date.lastJulianDay, 1);
    EXPECT_EQ(date.transHebYear, 5678);
    EXPECT_EQ(date.transHebMonth, kAdar);
    EXPECT_EQ(date.transHebDay, 2);
    SetTransition(date, 4); // unknown choices leave the settings alone
    SetTransition(date, 0);
    EXPECT_EQ(date.transYear, 1918);
    SetTransition(date, kTransitionPapal);
    EXPECT_EQ(date.lastJulianDayNumber, 2299160);
    EXPECT_EQ(date.transHebDay, 19);
}

// The days around each transition read Julian up to the last Julian day, Gregorian after.
TEST(Transition, DaysAroundEachTransition) {
    struct Case {
        int transition;
        int dayNumber;
        Ymd shown;
    };
    constexpr Case cases[] = {
        {kTransitionUK, 2361220, {1752, 9, 1}},     {kTransitionUK, 2361221, {1752, 9, 2}},
        {kTransitionUK, 2361222, {1752, 9, 14}},    {kTransitionUK, 2361223, {1752, 9, 15}},
        {kTransitionPapal, 2299159, {1582, 10, 3}}, {kTransitionPapal, 2299160, {1582, 10, 4}},
        {kTransitionPapal, 2299161, {1582, 10, 15}}, {kTransitionPapal, 2299162, {1582, 10, 16}},
        // The Russian row's last Julian day is the same day as the first Gregorian one.
        {kTransitionRussian, 2421638, {1918, 1, 31}}, {kTransitionRussian, 2421639, {1918, 2, 1}},
        {kTransitionRussian, 2421640, {1918, 2, 15}}, {kTransitionRussian, 2421641, {1918, 2, 16}},
        // Under another transition the same days read Gregorian.
        {kTransitionUK, 2299160, {1582, 10, 4}},   {kTransitionPapal, 2361221, {1752, 9, 13}},
        {kTransitionUK, 1721424, {1, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "transition " << c.transition << " day " << c.dayNumber);
        DATE_STRUCT date = Record(c.transition);
        ASSERT_EQ(SetDayNumber(date, c.dayNumber), 0);
        EXPECT_TRUE(Shows(date, c.shown));
        // Setting the displayed date again lands on the same day, except the Russian
        // transition day, whose Julian reading 1 Feb is taken as Gregorian.
        if (c.dayNumber != 2421639) {
            DATE_STRUCT again = Record(c.transition);
            ASSERT_TRUE(SetCivilDate(again, c.shown.y, c.shown.m, c.shown.d));
            EXPECT_EQ(again.dayNumber, c.dayNumber);
        }
    }
}

TEST(Transition, FirstDayNumber) {
    DATE_STRUCT date = Record();
    ASSERT_EQ(SetDayNumber(date, kFirstDayNumber), 0);
    EXPECT_EQ(date.civYear, -1);
    EXPECT_EQ(date.civMonth, 12);
    EXPECT_EQ(date.civDay, 30);
    EXPECT_TRUE(Shows(date, {1, 1, 1}));
    AddDays(date, -1);
    EXPECT_EQ(date.dayNumber, kFirstDayNumber);
    AddDays(date, 1);
    EXPECT_EQ(date.dayNumber, kFirstDayNumber + 1);
    AddDays(date, -2);
    EXPECT_EQ(date.dayNumber, kFirstDayNumber + 1);
    AddDays(date, 2147483647); // past the range of a day number: refused, no overflow
    EXPECT_EQ(date.dayNumber, kFirstDayNumber + 1);
}

TEST(Transition, CivilMonthLengths) {
    struct Case {
        int transition;
        int year, month;
        int length;
    };
    constexpr Case cases[] = {
        {kTransitionUK, 1752, 9, 19},     {kTransitionPapal, 1582, 10, 21}, {kTransitionRussian, 1918, 2, 15},
        {kTransitionUK, 1582, 10, 31},    {kTransitionPapal, 1752, 9, 30},  {kTransitionUK, 1918, 2, 28},
        {kTransitionUK, 2024, 2, 29},     {kTransitionUK, 2023, 2, 28},     {kTransitionUK, 1800, 2, 28},
        // Years before the transition are Julian: every fourth February has 29 days.
        {kTransitionUK, 1700, 2, 29},     {kTransitionRussian, 1900, 2, 29}, {kTransitionPapal, 1500, 2, 29},
        {kTransitionPapal, 1700, 2, 28},  {kTransitionUK, 1701, 2, 28},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "transition " << c.transition << " " << c.month << "/" << c.year);
        DATE_STRUCT date = Record(c.transition);
        ASSERT_TRUE(SetCivilMonthStart(date, c.year, c.month));
        EXPECT_EQ(CivilMonthLength(date, c.month), c.length);
    }
}

// Every civil month from year 2 to 2400 under each transition: walking CivilMonthLength
// days from SetCivilMonthStart shows days of that month only, in increasing order, and
// the next day is the 1st of the following month.
TEST(Transition, EveryCivilMonthWalksToTheNext) {
    for (int transition : {kTransitionUK, kTransitionPapal, kTransitionRussian}) {
        for (int year = 2; year <= 2400; ++year) {
            for (int month = 1; month <= 12; ++month) {
                DATE_STRUCT date = Record(transition);
                ASSERT_TRUE(SetCivilMonthStart(date, year, month));
                ASSERT_TRUE(Shows(date, {year, month, 1})) << "transition " << transition;
                const int length = CivilMonthLength(date, month);
                int lastDay = 0;
                for (int i = 0; i < length; ++i) {
                    const DATE_TRIPLE shown = CivilDateForDisplay(date);
                    ASSERT_EQ(shown.year, year) << "transition " << transition << " " << month << "/" << year;
                    ASSERT_EQ(shown.month, month) << "transition " << transition << " " << month << "/" << year;
                    ASSERT_GT(shown.day, lastDay) << "transition " << transition << " " << month << "/" << year;
                    lastDay = shown.day;
                    AddDays(date, 1);
                }
                const Ymd next = month == 12 ? Ymd{year + 1, 1, 1} : Ymd{year, month + 1, 1};
                ASSERT_TRUE(Shows(date, next)) << "transition " << transition << " " << month << "/" << year;
            }
        }
    }
}

// Stepping the civil month into a transition month pulls a skipped day back to the last
// Julian day.
TEST(Transition, StepCivilMonthAcrossTransitions) {
    struct Case {
        int transition;
        Ymd from;
        int direction;
        Ymd to;
    };
    constexpr Case cases[] = {
        {kTransitionUK, {1752, 10, 10}, -1, {1752, 9, 2}},
        {kTransitionUK, {1752, 8, 10}, 1, {1752, 9, 2}},
        {kTransitionUK, {1752, 8, 13}, 1, {1752, 9, 2}},
        {kTransitionUK, {1752, 8, 20}, 1, {1752, 9, 20}},
        {kTransitionUK, {1752, 10, 14}, -1, {1752, 9, 14}},
        {kTransitionUK, {1752, 10, 31}, -1, {1752, 9, 30}},
        {kTransitionUK, {1752, 8, 2}, 1, {1752, 9, 2}},
        {kTransitionUK, {1752, 9, 2}, 1, {1752, 10, 2}},
        {kTransitionUK, {1752, 9, 2}, -1, {1752, 8, 2}},
        {kTransitionUK, {1752, 9, 14}, -1, {1752, 8, 14}},
        {kTransitionPapal, {1582, 9, 10}, 1, {1582, 10, 4}},
        {kTransitionPapal, {1582, 11, 14}, -1, {1582, 10, 4}},
        {kTransitionPapal, {1582, 11, 15}, -1, {1582, 10, 15}},
        {kTransitionRussian, {1918, 1, 10}, 1, {1918, 2, 1}},
        {kTransitionRussian, {1918, 3, 13}, -1, {1918, 2, 1}},
        {kTransitionRussian, {1918, 1, 31}, 1, {1918, 2, 28}},
        {kTransitionRussian, {1918, 2, 20}, -1, {1918, 1, 20}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "transition " << c.transition << " from " << c.from.d << "/"
                                        << c.from.m << "/" << c.from.y << " step " << c.direction);
        DATE_STRUCT date = Civil(c.from.y, c.from.m, c.from.d, c.transition);
        ASSERT_TRUE(Shows(date, c.from));
        StepCivilMonth(date, c.direction);
        EXPECT_TRUE(Shows(date, c.to));
    }
}

TEST(CivilStepping, MonthsAndYears) {
    struct Case {
        Ymd from;
        int months; // +1 / -1 steps, or 0 for a year change
        int years;
        Ymd to;
    };
    constexpr Case cases[] = {
        {{2024, 2, 29}, 0, 1, {2025, 2, 28}},  {{2024, 2, 29}, 0, -1, {2023, 2, 28}},
        {{2024, 2, 29}, 0, 4, {2028, 2, 29}},  {{2024, 1, 31}, 1, 0, {2024, 2, 29}},
        {{2023, 3, 31}, -1, 0, {2023, 2, 28}}, {{2024, 12, 15}, 1, 0, {2025, 1, 15}},
        {{2025, 1, 15}, -1, 0, {2024, 12, 15}}, {{2024, 5, 31}, 1, 0, {2024, 6, 30}},
        {{2024, 3, 1}, 0, -2023, {1, 3, 1}},   {{2024, 3, 1}, 0, -2024, {2024, 3, 1}},
        {{1, 1, 5}, -1, 0, {1, 1, 5}},         {{2024, 6, 10}, 0, -300, {1724, 6, 10}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.d << "/" << c.from.m << "/" << c.from.y << " months "
                                        << c.months << " years " << c.years);
        DATE_STRUCT date = Civil(c.from.y, c.from.m, c.from.d);
        if (c.months != 0)
            StepCivilMonth(date, c.months);
        else
            AddCivilYears(date, c.years);
        EXPECT_TRUE(Shows(date, c.to));
    }
}

TEST(HebrewStepping, StepHebrewMonth) {
    struct Case {
        Ymd from;
        int direction;
        Ymd to;
    };
    constexpr Case cases[] = {
        {{5784, kShevat, 10}, 1, {5784, kAdarI, 10}},   {{5784, kAdarI, 30}, 1, {5784, kAdarII, 29}},
        {{5784, kAdarII, 29}, 1, {5784, kNisan, 29}},   {{5783, kShevat, 30}, 1, {5783, kAdar, 29}},
        {{5783, kAdar, 1}, 1, {5783, kNisan, 1}},       {{5784, kElul, 29}, 1, {5785, kTishrei, 29}},
        {{5784, kTishrei, 30}, 1, {5784, kCheshvan, 29}}, {{5785, kTishrei, 30}, 1, {5785, kCheshvan, 30}},
        {{5783, kNisan, 1}, -1, {5783, kAdar, 1}},      {{5784, kNisan, 1}, -1, {5784, kAdarII, 1}},
        {{5784, kAdarII, 5}, -1, {5784, kAdarI, 5}},    {{5784, kAdarI, 30}, -1, {5784, kShevat, 30}},
        {{5783, kAdar, 29}, -1, {5783, kShevat, 29}},   {{5785, kTishrei, 30}, -1, {5784, kElul, 29}},
        {{5785, kTevet, 29}, -1, {5785, kKislev, 29}},  {{3762, kCheshvan, 3}, -1, {3762, kTishrei, 3}},
        {{3762, kTishrei, 3}, -1, {3762, kTishrei, 3}}, // below 3762: refused
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.d << "/" << c.from.m << "/" << c.from.y << " step "
                                        << c.direction);
        DATE_STRUCT date = Hebrew(c.from.y, c.from.m, c.from.d);
        StepHebrewMonth(date, c.direction);
        EXPECT_TRUE(IsHebrew(date, c.to));
        DATE_STRUCT check = Record();
        ASSERT_TRUE(SetHebrewDate(check, c.to.y, c.to.m, c.to.d));
        EXPECT_EQ(date.dayNumber, check.dayNumber);
    }
}

// Stepping forward month by month visits the year's months in order and returns to
// Tishrei of the next year; stepping back retraces it.
TEST(HebrewStepping, WholeYearsForwardAndBack) {
    DATE_STRUCT date = Hebrew(5700, kTishrei, 1);
    for (int year = 5700; year < 5800; ++year) {
        SCOPED_TRACE(year);
        const bool leap = IsHebrewLeapYear(year);
        const int common[] = {1, 2, 3, 4, 5, 14, 8, 9, 10, 11, 12, 13};
        const int full[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
        const int* months = leap ? full : common;
        const int count = leap ? 13 : 12;
        int days = 0;
        for (int i = 0; i < count; ++i) {
            ASSERT_TRUE(IsHebrew(date, {year, months[i], 1}));
            const int before = date.dayNumber;
            StepHebrewMonth(date, 1);
            days += date.dayNumber - before;
        }
        ASSERT_TRUE(IsHebrew(date, {year + 1, kTishrei, 1}));
        DATE_STRUCT back = date;
        for (int i = count - 1; i >= 0; --i) {
            StepHebrewMonth(back, -1);
            ASSERT_TRUE(IsHebrew(back, {year, months[i], 1}));
        }
        DATE_STRUCT start = Hebrew(year, kTishrei, 1);
        ASSERT_EQ(days, start.hebYearLength);
    }
}

TEST(HebrewStepping, AddHebrewYears) {
    struct Case {
        Ymd from;
        int years;
        Ymd to;
    };
    constexpr Case cases[] = {
        {{5784, kAdarI, 15}, 1, {5785, kAdar, 15}},     {{5783, kAdar, 15}, 1, {5784, kAdarII, 15}},
        {{5784, kAdarII, 15}, -1, {5783, kAdar, 15}},   {{5785, kCheshvan, 30}, -1, {5784, kCheshvan, 29}},
        {{5784, kAdarI, 30}, 1, {5785, kAdar, 29}},     {{5784, kNisan, 15}, 10, {5794, kNisan, 15}},
        {{3765, kTishrei, 1}, -3, {3762, kTishrei, 1}}, {{3765, kTishrei, 1}, -4, {3765, kTishrei, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.d << "/" << c.from.m << "/" << c.from.y << " years " << c.years);
        DATE_STRUCT date = Hebrew(c.from.y, c.from.m, c.from.d);
        AddHebrewYears(date, c.years);
        EXPECT_TRUE(IsHebrew(date, c.to));
    }
}

TEST(HebrewStepping, HebrewMonthLength) {
    struct Case {
        int month, year, mode, length;
    };
    constexpr Case cases[] = {
        {kCheshvan, 5784, 0, 29}, {kCheshvan, 5785, 0, 30}, {kKislev, 5784, 0, 29},  {kKislev, 5785, 0, 30},
        {kAdarI, 5784, 0, 30},    {kAdarII, 5784, 0, 29},   {kAdar, 5783, 0, 29},    {kElul, 5784, 0, 29},
        {kAdarI, 5783, 0, 0},     {kAdar, 5784, 0, 0},      {kNisan, 5784, -1, 29},  {kTishrei, 5785, -1, 29},
        {kTevet, 5785, -1, 30},   {kAdarI, 5784, -1, 30},   {kNisan, 5783, -1, 29},  {kTishrei, 3762, -1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "month " << c.month << " of " << c.year << " mode " << c.mode);
        EXPECT_EQ(HebrewMonthLength(c.month, c.year, c.mode), c.length);
    }
}

TEST(DateRecord, CivilDatesReadJulianBeforeTheTransition) {
    DATE_STRUCT date = Civil(1752, 9, 2);
    EXPECT_EQ(date.dayNumber, 2361221);
    EXPECT_EQ(date.civYear, 1752); // the record keeps the Gregorian reading
    EXPECT_EQ(date.civMonth, 9);
    EXPECT_EQ(date.civDay, 13);
    EXPECT_TRUE(IsHebrew(date, {5513, kTishrei, 5}));

    date = Civil(1700, 2, 29); // a Julian leap day
    EXPECT_TRUE(Shows(date, {1700, 2, 29}));
    // Julian dates are not validated: a day past the end runs into the next month.
    DATE_STRUCT runOn = Civil(1700, 1, 32);
    EXPECT_TRUE(Shows(runOn, {1700, 2, 1}));

    // 1 Feb 1918 is still Julian under the Russian transition; 14 Feb is Gregorian and
    // the same day.
    EXPECT_EQ(Civil(1918, 2, 1, kTransitionRussian).dayNumber, 2421639);
    EXPECT_EQ(Civil(1918, 2, 14, kTransitionRussian).dayNumber, 2421639);
    EXPECT_EQ(Civil(1918, 2, 13, kTransitionRussian).dayNumber, CivilToDayNumber(1918, 2, 13, true));
}

// After SetCivilDate the Hebrew lengths describe the date's own year; after SetDayNumber
// they describe the year whose Tishrei follows the date's Pesach.
TEST(DateRecord, WhichYearTheLengthsDescribe) {
    DATE_STRUCT date = Civil(2024, 4, 23); // 15 Nisan 5784
    EXPECT_TRUE(IsHebrew(date, {5784, kNisan, 15}));
    EXPECT_EQ(date.hebYearLength, 383);
    EXPECT_EQ(date.hebMonthLength[kAdarI - 1], 30);
    const int dayNumber = date.dayNumber;
    ASSERT_EQ(SetDayNumber(date, dayNumber), 0);
    EXPECT_TRUE(IsHebrew(date, {5784, kNisan, 15}));
    EXPECT_EQ(date.hebYearLength, 355);
    EXPECT_EQ(date.hebMonthLength[kAdarI - 1], 0);

    // SetHebrewDate writes the civil month lengths of the new civil year.
    DATE_STRUCT hebrew = Civil(2023, 6, 1);
    ASSERT_TRUE(SetHebrewDate(hebrew, 5784, kAdarI, 20));
    EXPECT_EQ(hebrew.civYear, 2024);
    EXPECT_EQ(hebrew.civMonthLength[1], 29);
    EXPECT_EQ(CivilMonthLength(hebrew, 2), 29);
}

// A record left unset (or partly set by a failed setter) is not stepped out of bounds.
TEST(DateRecord, SteppingAnUnsetRecordChangesNothing) {
    DATE_STRUCT date = Record();
    EXPECT_FALSE(SetHebrewDate(date, 5784, 0, 1));
    const DATE_STRUCT before = date;
    StepHebrewMonth(date, -1);
    StepHebrewMonth(date, 1);
    AddHebrewYears(date, 1);
    EXPECT_EQ(std::memcmp(&date, &before, sizeof date), 0);

    DATE_STRUCT civil = Record();
    civil.dayNumber = 2460204;
    civil.civYear = 2023; // civil month 0: nothing to step from
    StepCivilMonth(civil, 1);
    AddCivilYears(civil, 1);
    EXPECT_EQ(civil.dayNumber, 2460204);

    DATE_STRUCT far = Hebrew(5784, kNisan, 1);
    AddHebrewYears(far, 2147483647);
    EXPECT_TRUE(IsHebrew(far, {5784, kNisan, 1}));
    EXPECT_GE(MoladOfMonth(-5, kTishrei).hour, 0); // no read outside the cycle table
}

TEST(DateRecord, TodayComesFromTheClock) {
    platform::SetNowProvider([] {
        platform::LOCAL_TIME t;
        t.year = 2024;
        t.month = 4;
        t.day = 23;
        t.hour = 21;
        return t;
    });
    DATE_STRUCT date = Record();
    const bool ok = SetToday(date);
    platform::SetNowProvider({});
    ASSERT_TRUE(ok);
    EXPECT_TRUE(IsHebrew(date, {5784, kNisan, 15}));
    EXPECT_EQ(Weekday(date), 3);
}

TEST(DateRecord, TriplesAndTheirPackedForm) {
    const DATE_STRUCT date = Hebrew(5784, kNisan, 15);
    const DATE_TRIPLE hebrew = HebrewDateTriple(date);
    EXPECT_EQ(hebrew.day, 15);
    EXPECT_EQ(hebrew.month, kNisan);
    EXPECT_EQ(hebrew.year, 5784);
    std::int32_t firstBits = 0;
    std::memcpy(&firstBits, &hebrew, sizeof firstBits);
    EXPECT_EQ(firstBits, kNisan * 65536 + 15);
    EXPECT_EQ(PackedMonthDay(hebrew), firstBits);

    const DATE_TRIPLE civil = CivilDateForDisplay(date);
    EXPECT_EQ(civil.day, 23);
    EXPECT_EQ(civil.month, 4);
    EXPECT_EQ(civil.year, 2024);
}

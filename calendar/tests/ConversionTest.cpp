#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"
#include "calendar/HebrewYear.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace vessant;

namespace {

DATE_STRUCT UkRecord() {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    return date;
}

// Day number of 1 Tishrei counted from the molad with the four postponements: an
// oracle that shares nothing with the Pesach-based arithmetic under test.
std::int64_t RoshHashanahByMolad(std::int64_t year) {
    const auto leap = [](std::int64_t y) { return (7 * y + 1) % 19 < 7; };
    const std::int64_t months = 235 * ((year - 1) / 19) + 12 * ((year - 1) % 19) + (7 * ((year - 1) % 19) + 1) / 19;
    const std::int64_t parts = 204 + 793 * (months % 1080);
    const std::int64_t hours = 5 + 12 * months + 793 * (months / 1080) + parts / 1080;
    const std::int64_t day = 1 + 29 * months + hours / 24;
    const std::int64_t dayParts = 1080 * (hours % 24) + parts % 1080;
    std::int64_t postponed = day;
    if (dayParts >= 19440 || (day % 7 == 2 && dayParts >= 9924 && !leap(year)) ||
        (day % 7 == 1 && dayParts >= 16789 && leap(year - 1)))
        postponed = day + 1;
    if (postponed % 7 == 0 || postponed % 7 == 3 || postponed % 7 == 5)
        postponed += 1;
    return postponed - 1373428 + 1721425;
}

struct HebrewCivilPair {
    int hy, hm, hd;
    int cy, cm, cd;
};

// Gregorian dates of Hebrew dates, both directions.
constexpr HebrewCivilPair kPairs[] = {
    {5784, kTishrei, 1, 2023, 9, 16},
    {5785, kTishrei, 1, 2024, 10, 3},
    {5783, kTishrei, 1, 2022, 9, 26},
    {5779, kTishrei, 1, 2018, 9, 10},
    {5700, kTishrei, 1, 1939, 9, 14},
    {5786, kTishrei, 1, 2025, 9, 23},
    {5787, kTishrei, 1, 2026, 9, 12},
    {5784, kTishrei, 10, 2023, 9, 25},
    {5784, kKislev, 25, 2023, 12, 8},
    {5784, kAdarI, 1, 2024, 2, 10},
    {5784, kAdarI, 20, 2024, 2, 29},
    {5784, kAdarII, 1, 2024, 3, 11},
    {5784, kAdarII, 14, 2024, 3, 24},
    {5784, kNisan, 15, 2024, 4, 23},
    {5784, kSivan, 6, 2024, 6, 12},
    {5784, kAv, 9, 2024, 8, 13},
    {5783, kAdar, 1, 2023, 2, 22},
    {5783, kAdar, 14, 2023, 3, 7},
    {5783, kNisan, 15, 2023, 4, 6},
    {5785, kCheshvan, 30, 2024, 12, 1},
    {5785, kKislev, 30, 2024, 12, 31},
    {5785, kAdar, 14, 2025, 3, 14},
    {5785, kNisan, 15, 2025, 4, 13},
    {5760, kTevet, 23, 2000, 1, 1},
    {5760, kTishrei, 1, 1999, 9, 11},
    {5760, kNisan, 15, 2000, 4, 20},
    {5708, kIyyar, 5, 1948, 5, 14},
    {5727, kIyyar, 28, 1967, 6, 7},
    {5513, kTishrei, 6, 1752, 9, 14},
    {5343, kTishrei, 19, 1582, 10, 15},
    {5678, kAdar, 2, 1918, 2, 14},
    {3762, kTishrei, 1, 1, 9, 6},
};

} // namespace

TEST(Conversion, HebrewAndGregorianDatesCorrespond) {
    for (const auto& c : kPairs) {
        SCOPED_TRACE(testing::Message() << c.hd << "/" << c.hm << "/" << c.hy << " = " << c.cd << "/" << c.cm
                                        << "/" << c.cy);
        DATE_STRUCT date = UkRecord();
        ASSERT_EQ(HebrewToCivil(c.hy, c.hm, c.hd, date), 0);
        EXPECT_EQ(date.civYear, c.cy);
        EXPECT_EQ(date.civMonth, c.cm);
        EXPECT_EQ(date.civDay, c.cd);

        DATE_STRUCT back = UkRecord();
        ASSERT_EQ(CivilToHebrew(c.cy, c.cm, c.cd, back), 0);
        EXPECT_EQ(back.hebYear, c.hy);
        EXPECT_EQ(back.hebMonth, c.hm);
        EXPECT_EQ(back.hebDay, c.hd);
    }
}

TEST(Conversion, YearStartsAndLengths) {
    struct Case { int year; int dayNumber; int weekday; int length; };
    constexpr Case cases[] = {
        {5784, 2460204, 7, 383}, {5785, 2460587, 5, 355}, {5783, 2459849, 2, 355}, {5779, 2458372, 2, 385},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        DATE_STRUCT date = UkRecord();
        ASSERT_TRUE(SetHebrewDate(date, c.year, kTishrei, 1));
        EXPECT_EQ(date.dayNumber, c.dayNumber);
        EXPECT_EQ(Weekday(date), c.weekday);
        EXPECT_EQ(date.hebYearLength, c.length);
    }
}

TEST(Conversion, PesachDayOfMarch) {
    struct Case { int year; int day; };
    constexpr Case cases[] = {{5784, 54}, {5783, 37}, {5785, 44}, {5760, 51}, {5786, 33}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(PesachDayOfMarch(c.year), c.day);
    }
}

TEST(Conversion, FailureCodes) {
    struct HebrewCase { int y, m, d, code; };
    constexpr HebrewCase hebrew[] = {
        {5784, kAdar, 1, kHebrewAdarInLeap},      {5783, kAdarI, 1, kHebrewAdarIInCommon},
        {5783, kAdarII, 1, kHebrewAdarIInCommon}, {5784, 15, 1, kHebrewMonthRange},
        {5784, 0, 1, kHebrewMonthRange},          {5784, kTishrei, 31, kHebrewDayRange},
        {5784, kTishrei, 0, kHebrewDayRange},     {0, kTishrei, 1, kHebrewYearZero},
        {5784, kCheshvan, 30, kHebrewDayRange},   {5784, kKislev, 30, kHebrewDayRange},
        {5784, kTevet, 30, kHebrewDayRange},      {5784, kAdarII, 30, kHebrewDayRange},
        {5785, kCheshvan, 30, 0},                 {5784, kAdarI, 30, 0},
        // The checks run in this order: day range, year 0, month range.
        {0, 15, 31, kHebrewDayRange},             {0, 15, 1, kHebrewYearZero},
    };
    for (const auto& c : hebrew) {
        SCOPED_TRACE(testing::Message() << c.y << "/" << c.m << "/" << c.d);
        DATE_STRUCT date = UkRecord();
        EXPECT_EQ(HebrewToCivil(c.y, c.m, c.d, date), c.code);
    }

    struct CivilCase { int y, m, d, code; };
    constexpr CivilCase civil[] = {
        {2023, 2, 29, kCivilDayRange}, {2024, 2, 29, 0},          {2100, 2, 29, kCivilDayRange},
        {2000, 2, 29, 0},              {2024, 13, 1, kCivilMonthRange}, {2024, 0, 1, kCivilMonthRange},
        {0, 1, 1, kCivilYearZero},     {2024, 1, 32, kCivilDayRange}, {2024, 4, 31, kCivilDayRange},
        {2024, 1, 0, kCivilDayRange},  {0, 13, 32, kCivilDayRange}, {0, 13, 1, kCivilYearZero},
    };
    for (const auto& c : civil) {
        SCOPED_TRACE(testing::Message() << c.y << "/" << c.m << "/" << c.d);
        DATE_STRUCT date = UkRecord();
        EXPECT_EQ(CivilToHebrew(c.y, c.m, c.d, date), c.code);
    }
}

TEST(Conversion, SettersReportFailure) {
    DATE_STRUCT date = UkRecord();
    ASSERT_TRUE(SetCivilDate(date, 2024, 1, 1));
    EXPECT_FALSE(SetHebrewDate(date, 5784, kCheshvan, 30));
    EXPECT_FALSE(SetCivilDate(date, 2023, 2, 29));
    EXPECT_FALSE(SetCivilMonthStart(date, 2024, 13));
    EXPECT_EQ(SetDayNumber(date, 2460204), 0);
}

TEST(Conversion, DayNumbers) {
    struct Case { int y, m, d; bool julian; int dayNumber; };
    constexpr Case cases[] = {
        {1, 1, 1, true, 1721424},     {-1, 12, 30, false, 1721424}, {1, 1, 1, false, 1721426},
        {2000, 1, 1, false, 2451545}, {1582, 10, 4, true, 2299160}, {1582, 10, 15, false, 2299161},
        {1752, 9, 2, true, 2361221},  {1752, 9, 14, false, 2361222}, {1918, 2, 1, true, 2421639},
        {1918, 2, 14, false, 2421639}, {-4713, 1, 1, true, 0},     {-4714, 11, 24, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.d << "/" << c.m << "/" << c.y << (c.julian ? " Julian" : ""));
        EXPECT_EQ(CivilToDayNumber(c.y, c.m, c.d, c.julian), c.dayNumber);
        const CIVIL_DATE civil = DayNumberToCivil(c.dayNumber, c.julian);
        EXPECT_EQ(civil.year, c.y);
        EXPECT_EQ(civil.month, c.m);
        EXPECT_EQ(civil.day, c.d);
    }
}

TEST(Conversion, LeapYearsOfTheCycle) {
    for (int year = 1; year <= 38; ++year) {
        SCOPED_TRACE(year);
        const int r = year % 19 == 0 ? 19 : year % 19;
        const bool expected = r == 3 || r == 6 || r == 8 || r == 11 || r == 14 || r == 17 || r == 19;
        EXPECT_EQ(IsHebrewLeapYear(year), expected);
    }
    EXPECT_TRUE(IsHebrewLeapYear(5784));
    EXPECT_FALSE(IsHebrewLeapYear(5785));
}

// Every Hebrew year 3762..7000: 1 Tishrei falls where the molad with its postponements
// puts it, and the year length matches the distance to the next new year.
TEST(Conversion, NewYearsAgreeWithTheMoladReckoning) {
    DATE_STRUCT date = UkRecord();
    ASSERT_TRUE(SetHebrewDate(date, 3762, kTishrei, 1));
    int previous = date.dayNumber;
    int previousLength = date.hebYearLength;
    for (int year = 3762; year <= 7000; ++year) {
        SCOPED_TRACE(year);
        ASSERT_TRUE(SetHebrewDate(date, year, kTishrei, 1));
        ASSERT_EQ(date.dayNumber, RoshHashanahByMolad(year));
        ASSERT_EQ(HebrewNewYearDay(year), date.dayNumber);
        if (year > 3762) {
            ASSERT_EQ(date.dayNumber - previous, previousLength);
        }
        const int w = Weekday(date);
        ASSERT_TRUE(w == 2 || w == 3 || w == 5 || w == 7) << "weekday " << w;
        ASSERT_EQ(date.hebYearLength >= 383, IsHebrewLeapYear(year));
        previous = date.dayNumber;
        previousLength = date.hebYearLength;
    }
}

// Every day from 1 January of year 2 to 31 December 2300.
TEST(Conversion, DailySweepRoundTrips) {
    const int first = CivilToDayNumber(2, 1, 1, false);
    const int last = CivilToDayNumber(2300, 12, 31, false);
    DATE_STRUCT date = UkRecord();
    ASSERT_EQ(SetDayNumber(date, first - 1), 0);
    DATE_STRUCT previous = date;
    for (int j = first; j <= last; ++j) {
        ASSERT_EQ(SetDayNumber(date, j), 0) << j;
        // civil -> day number
        ASSERT_EQ(CivilToDayNumber(date.civYear, date.civMonth, date.civDay, false), j);
        ASSERT_EQ(Weekday(date), Weekday(previous) % 7 + 1) << j;
        ASSERT_EQ(HebrewYearOfDay(j), date.hebYear) << j;
        ASSERT_EQ(HebrewDayNumber(date.hebYear, date.hebMonth, date.hebDay), j) << j;

        // Hebrew -> civil gives the same day back.
        DATE_STRUCT check = UkRecord();
        check.civYear = date.civYear;
        ASSERT_EQ(HebrewToCivil(date.hebYear, date.hebMonth, date.hebDay, check), 0) << j;
        ASSERT_EQ(CivilToDayNumber(check.civYear, check.civMonth, check.civDay, false), j);

        // From Tishrei to Adar the civil-to-Hebrew lengths describe the date's own year.
        const bool tishreiToAdar = date.hebMonth <= kAdarII || date.hebMonth == kAdar;
        if (tishreiToAdar) {
            ASSERT_EQ(date.hebYearLength, check.hebYearLength) << j;
            ASSERT_EQ(date.hebMonthLength, check.hebMonthLength) << j;
        }

        // Hebrew days follow on: the next day of the month, or day 1 after the last one.
        if (date.hebDay == 1) {
            ASSERT_EQ(previous.hebDay, HebrewMonthLength(previous.hebMonth, previous.hebYear)) << j;
        } else {
            ASSERT_EQ(date.hebDay, previous.hebDay + 1) << j;
            ASSERT_EQ(date.hebMonth, previous.hebMonth) << j;
            ASSERT_EQ(date.hebYear, previous.hebYear) << j;
        }
        previous = date;
    }
}

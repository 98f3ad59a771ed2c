// The day-number shortcuts of HebrewYear.h and HebrewCalendar.h agree with the date
// record, which the conversion tests hold against independent reckonings.

#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"
#include "calendar/HebrewYear.h"
#include "calendar/Weekday.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace vessant;

namespace {

bool HasMonth(bool leap, int month) { return leap ? month != kAdar : month != kAdarI && month != kAdarII; }

} // namespace

// Every year the stepping operations reach, to well past our era: the frame, the month
// lengths and the day numbers of every month's first day are those of the record.
TEST(HebrewYear, FramesAndMonthLengthsMatchTheDateRecord) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    for (std::int32_t year = 3762; year <= 7000; ++year) {
        SCOPED_TRACE(year);
        const HEBREW_YEAR_FRAME frame = HebrewYearFrame(year);
        ASSERT_TRUE(SetHebrewDate(date, year, kTishrei, 1));
        ASSERT_EQ(frame.year, year);
        ASSERT_EQ(frame.newYearDay, date.dayNumber);
        ASSERT_EQ(frame.newYearDay, HebrewNewYearDay(year));
        ASSERT_EQ(frame.length, date.hebYearLength);
        ASSERT_EQ(frame.newYearDay + frame.length, HebrewNewYearDay(year + 1));
        ASSERT_EQ(frame.leap, IsHebrewLeapYear(year));
        // 353 and 383 days are deficient years, 354 and 384 in order, 355 and 385 complete.
        const int kinds[] = {kYearDeficient, kYearInOrder, kYearComplete};
        ASSERT_EQ(frame.kind, kinds[frame.length % 10 - 3]);
        for (int month = 1; month <= 14; ++month) {
            ASSERT_EQ(HebrewMonthDays(year, month), date.hebMonthLength[static_cast<std::size_t>(month - 1)])
                << month;
            if (!HasMonth(frame.leap, month)) {
                ASSERT_EQ(frame.monthStart[static_cast<std::size_t>(month)], 0) << month;
                ASSERT_EQ(HebrewMonthDays(year, month), 0) << month;
                ASSERT_EQ(HebrewDayNumber(year, month, 1), 0) << month;
                continue;
            }
            ASSERT_TRUE(SetHebrewDate(date, year, month, 1)) << month;
            ASSERT_EQ(DayOfHebrewDate(frame, month, 1), date.dayNumber) << month;
            ASSERT_EQ(HebrewDayNumber(year, month, 1), date.dayNumber) << month;
        }
    }
}

TEST(HebrewYear, WhatTheCalendarRefusesHasNoDayNumberOrLength) {
    struct Case { int year, month, day; };
    constexpr Case kRefused[] = {
        {5784, kAdar, 1},     {5783, kAdarI, 1},  {5784, 15, 1},  {5784, 0, 1}, {5784, kTishrei, 31},
        {5784, kCheshvan, 30}, {5784, kKislev, 30}, {0, kTishrei, 1},
    };
    for (const auto& c : kRefused) {
        SCOPED_TRACE(testing::Message() << c.day << "/" << c.month << "/" << c.year);
        EXPECT_EQ(HebrewDayNumber(c.year, c.month, c.day), 0);
    }
    EXPECT_EQ(HebrewDayNumber(5785, kCheshvan, 30), HebrewDayNumber(5785, kKislev, 1) - 1);
    EXPECT_EQ(HebrewMonthDays(5784, 0), 0);
    EXPECT_EQ(HebrewMonthDays(5784, 15), 0);
    EXPECT_EQ(HebrewMonthDays(0, kTishrei), 0);
    const HEBREW_YEAR_FRAME none = HebrewYearFrame(0);
    EXPECT_EQ(none.year, 0);
    EXPECT_EQ(none.length, 0);
    EXPECT_EQ(none.kind, 0);
}

// Far from our era the Hebrew year drifts through the civil year; the year of a day is
// still the one whose 1 Tishrei is the last on or before it. (The daily sweep of the
// conversion tests covers every day of our era.)
TEST(HebrewYear, YearOfDistantDays) {
    for (std::int32_t jdn = kFirstDayNumber; jdn <= 100000000; jdn += 99991) {
        for (std::int32_t day = jdn; day < jdn + 400; day += 7) {
            const std::int32_t year = HebrewYearOfDay(day);
            ASSERT_LE(HebrewNewYearDay(year), day) << day;
            ASSERT_GT(HebrewNewYearDay(year + 1), day) << day;
        }
    }
}

TEST(Weekday, NamedDaysOfKnownDates) {
    EXPECT_EQ(WeekdayOfDayNumber(CivilToDayNumber(2024, 3, 31, false)), kSunday);
    EXPECT_EQ(WeekdayOfDayNumber(CivilToDayNumber(2024, 4, 5, false)), kFriday);
    EXPECT_EQ(WeekdayOfDayNumber(CivilToDayNumber(2000, 1, 1, false)), kShabbat);
    EXPECT_EQ(WeekdayOfDayNumber(kFirstDayNumber), kShabbat); // 1 January of year 1, Julian
}

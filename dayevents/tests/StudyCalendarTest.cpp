// The calendar shortcuts of the study cycles agree with the calendar core's own records.

#include "dayevents/StudyCalendar.h"

#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"
#include "dayevents/DafYomi.h"
#include "dayevents/HalachaYomit.h"
#include "dayevents/MishnaYomit.h"
#include "dayevents/TanachYomi.h"
#include "dayevents/YerushalmiYomi.h"

#include <gtest/gtest.h>

#include <limits>

namespace vessant {
namespace {

TEST(StudyCalendar, YearFramesMatchTheDateRecord) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    for (std::int32_t year = 5600; year <= 6300; ++year) {
        SCOPED_TRACE(year);
        const HEBREW_YEAR_FRAME frame = HebrewYearFrame(year);
        ASSERT_TRUE(SetHebrewDate(date, year, kTishrei, 1));
        ASSERT_EQ(frame.newYearDay, date.dayNumber);
        ASSERT_EQ(frame.length, date.hebYearLength);
        ASSERT_EQ(frame.newYearDay + frame.length, HebrewNewYearDay(year + 1));
        ASSERT_EQ(frame.leap, IsHebrewLeapYear(year));
        const int k = frame.length % 30; // 353/383 -> 23, 354/384 -> 24, 355/385 -> 25
        ASSERT_EQ(frame.kind, k == 23 ? 2 : k == 24 ? 1 : 3);
        for (int month = 1; month <= 14; ++month) {
            const bool has = frame.leap ? month != kAdar : month != kAdarI && month != kAdarII;
            if (!has) {
                ASSERT_EQ(frame.monthStart[static_cast<std::size_t>(month)], 0) << month;
                continue;
            }
            ASSERT_TRUE(SetHebrewDate(date, year, month, 1)) << month;
            ASSERT_EQ(DayOfHebrewDate(frame, month, 1), date.dayNumber) << month;
        }
    }
}

TEST(StudyCalendar, HebrewYearOfEveryDayFrom1900To2300) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    ASSERT_TRUE(SetCivilDate(date, 1900, 1, 1));
    const std::int32_t last = CivilToDayNumber(2300, 12, 31, false);
    for (std::int32_t jdn = date.dayNumber; jdn <= last; ++jdn) {
        ASSERT_EQ(SetDayNumber(date, jdn), 0);
        ASSERT_EQ(HebrewYearOfDay(jdn), date.hebYear) << jdn;
        ASSERT_EQ(WeekdayOfDay(jdn), Weekday(date)) << jdn;
    }
}

TEST(StudyCalendar, ReachBeginsOnTheFirstTishrei) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    ASSERT_TRUE(SetHebrewDate(date, 3762, kTishrei, 1));
    EXPECT_EQ(kStudyCalendarFirstDay, date.dayNumber);
    EXPECT_EQ(HebrewNewYearDay(3762), date.dayNumber);
    EXPECT_EQ(HebrewYearOfDay(kStudyCalendarFirstDay), 3762);
    EXPECT_EQ(HebrewYearOfDay(HebrewNewYearDay(3763) - 1), 3762);
    EXPECT_EQ(HebrewYearOfDay(HebrewNewYearDay(3763)), 3763);
}

// Far from our era the Hebrew year drifts through the civil year; the year of a day is
// still the one whose 1 Tishrei is the last on or before it.
TEST(StudyCalendar, HebrewYearOfDistantDays) {
    for (std::int32_t jdn = kStudyCalendarFirstDay; jdn <= kStudyCalendarLastDay - 400; jdn += 99991) {
        for (std::int32_t day = jdn; day < jdn + 400; day += 7) {
            const std::int32_t year = HebrewYearOfDay(day);
            ASSERT_LE(HebrewNewYearDay(year), day) << day;
            ASSERT_GT(HebrewNewYearDay(year + 1), day) << day;
        }
    }
}

// Any day number is safe to ask about: the cycles bound to the calendar have nothing
// outside its reach, the others go on counting.
TEST(StudyCalendar, ExtremeDayNumbers) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    for (const std::int32_t jdn : {kMin, -1, 0, 1, kStudyCalendarFirstDay - 1, kStudyCalendarFirstDay}) {
        SCOPED_TRACE(jdn);
        EXPECT_EQ(DafYomi(jdn).tractate, 0);
        EXPECT_EQ(YerushalmiYomi(jdn).tractate, 0);
        EXPECT_EQ(MishnaYomit(jdn).tractate, 0);
        EXPECT_EQ(HalachaYomit(jdn).book, 0);
        EXPECT_EQ(TanachYomi(jdn).book, 0);
        EXPECT_FALSE(IsYerushalmiSkipDay(jdn));
    }
    for (const std::int32_t jdn : {kStudyCalendarLastDay + 1, kMax - 1, kMax}) {
        SCOPED_TRACE(jdn);
        EXPECT_NE(DafYomi(jdn).tractate, 0);
        EXPECT_NE(MishnaYomit(jdn).tractate, 0);
        EXPECT_NE(HalachaYomit(jdn).book, 0);
        EXPECT_EQ(YerushalmiYomi(jdn).tractate, 0);
        EXPECT_EQ(TanachYomi(jdn).book, 0);
        EXPECT_FALSE(IsYerushalmiSkipDay(jdn));
    }
    EXPECT_EQ(YerushalmiSkips(kMin, kMax), YerushalmiSkips(kStudyCalendarFirstDay, kStudyCalendarLastDay + 1));
    // The last day still has its readings, worked out by walking on past the cached starts.
    EXPECT_NE(TanachYomi(kStudyCalendarLastDay - 6).book + TanachYomi(kStudyCalendarLastDay).book, 0);
    const std::int32_t last = IsYerushalmiSkipDay(kStudyCalendarLastDay) ? kStudyCalendarLastDay - 1
                                                                          : kStudyCalendarLastDay;
    EXPECT_NE(YerushalmiYomi(last).tractate, 0);
}

} // namespace
} // namespace vessant

// The calendar shortcuts of the study cycles agree with the calendar core's own records.

#include "dayevents/StudyCalendar.h"

#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace vessant

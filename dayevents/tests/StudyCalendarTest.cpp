// The reach of the study cycles bound to the calendar, and what lies outside it.

#include "dayevents/StudyCalendar.h"

#include "calendar/DateOperations.h"
#include "calendar/HebrewYear.h"
#include "dayevents/DafYomi.h"
#include "dayevents/HalachaYomit.h"
#include "dayevents/MishnaYomit.h"
#include "dayevents/TanachYomi.h"
#include "dayevents/YerushalmiYomi.h"

#include <gtest/gtest.h>

#include <limits>

namespace vessant {
namespace {

TEST(StudyCalendar, ReachBeginsOnTheFirstTishrei) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    ASSERT_TRUE(SetHebrewDate(date, 3762, kTishrei, 1));
    EXPECT_EQ(kStudyCalendarFirstDay, date.dayNumber);
    EXPECT_EQ(HebrewYearOfDay(kStudyCalendarFirstDay), 3762);
    EXPECT_EQ(HebrewYearOfDay(kStudyCalendarFirstDay - 1), 3761);
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

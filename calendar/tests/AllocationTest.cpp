// The month table converts every cell of a month; the conversions must not allocate.
#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"
#include "calendar/Molad.h"

#include "testsupport/AllocationCounter.h"

#include <gtest/gtest.h>

using namespace vessant;

TEST(Allocation, ConversionsAndSteppingAllocateNothing) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    const testsupport::AllocationCounter allocations;
    SetCivilDate(date, 2024, 2, 29);
    SetHebrewDate(date, 5784, kAdarI, 30);
    SetDayNumber(date, 2460204);
    SetCivilMonthStart(date, 1752, 9);
    AddDays(date, 400);
    StepHebrewMonth(date, 1);
    StepHebrewMonth(date, -1);
    AddHebrewYears(date, 3);
    StepCivilMonth(date, 1);
    AddCivilYears(date, -2);
    const int length = HebrewMonthLength(kCheshvan, 5785);
    const MOLAD molad = MoladOfMonth(date);
    const DATE_TRIPLE shown = CivilDateForDisplay(date);
    EXPECT_EQ(allocations.count(), 0);
    EXPECT_EQ(length, 30);
    EXPECT_GT(molad.weekday, 0);
    EXPECT_GT(shown.year, 0);
}

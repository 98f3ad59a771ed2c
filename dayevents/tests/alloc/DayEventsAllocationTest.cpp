// The month table, its print and the year export build a day list and a portion for every
// day they show; none of it may allocate. Its own program, since it replaces operator new.

#include "calendar/DateOperations.h"
#include "dayevents/DayEvents.h"
#include "dayevents/Haftarah.h"
#include "dayevents/WeeklyPortion.h"
#include "dayevents/YearType.h"

#include "testsupport/AllocationCounter.h"

#include <gtest/gtest.h>

using namespace vessant;

TEST(DayEventsAllocation, EveryDayOfTwoYearsAllocatesNothing) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    ASSERT_TRUE(SetHebrewDate(date, 5784, kTishrei, 1));
    DAY_EVENTS list;
    HAFTARAH_LIST morning, afternoon;
    int portions = 0;
    int references = 0;
    const testsupport::AllocationCounter allocations;
    while (date.hebYear <= 5785) {
        for (const bool diaspora : {false, true}) {
            BuildDayEvents(list, date, diaspora);
            PORTION_INFO portion;
            if (Weekday(date) == 7) {
                portion = WeeklyPortion(PackedMonthDay(date.hebMonth, date.hebDay), date.hebYear, diaspora);
                portions += portion.first != 0 ? 1 : 0;
            }
            DayHaftarot(list, Weekday(date), date.hebMonth, date.hebYear, portion.first, portion.special, diaspora,
                        kRiteYemenite, morning, afternoon);
            references += morning.count + afternoon.count;
        }
        AddDays(date, 1);
    }
    for (const std::int32_t code : kYearDetailsHolidayCodes)
        references += HolidayDate(5785, code) > 0 ? 1 : 0;
    references += YearType(5785);
    EXPECT_EQ(allocations.count(), 0);
    EXPECT_GT(portions, 180);
    EXPECT_GT(references, 150);
}

#pragma once
// Small helpers shared by the day-event tests: a date record set to a Hebrew or civil
// date under the default (UK) transition, and the day list and portion of that day.

#include "calendar/DateOperations.h"
#include "dayevents/DayEvents.h"
#include "dayevents/WeeklyPortion.h"

#include <gtest/gtest.h>

namespace vessant::testing {

inline DATE_STRUCT HebrewDay(int year, int month, int day) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    EXPECT_TRUE(SetHebrewDate(date, year, month, day)) << year << "/" << month << "/" << day;
    return date;
}

inline DATE_STRUCT CivilDay(int year, int month, int day) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    EXPECT_TRUE(SetCivilDate(date, year, month, day)) << year << "-" << month << "-" << day;
    return date;
}

inline DAY_EVENTS EventsOf(const DATE_STRUCT& date, bool diaspora) {
    DAY_EVENTS list;
    BuildDayEvents(list, date, diaspora);
    return list;
}

inline PORTION_INFO PortionOf(const DATE_STRUCT& date, bool diaspora) {
    return WeeklyPortion(PackedMonthDay(date.hebMonth, date.hebDay), date.hebYear, diaspora);
}

inline bool HasCode(const DAY_EVENTS& list, int code) {
    for (const DAY_EVENT& entry : list.entries)
        if (entry.code == code)
            return true;
    return false;
}

inline int ValueOf(const DAY_EVENTS& list, int code) {
    for (const DAY_EVENT& entry : list.entries)
        if (entry.code == code)
            return entry.value;
    return -1;
}

} // namespace vessant::testing

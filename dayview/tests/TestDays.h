#pragma once
// Days and places tests use: dates in both calendars under the UK transition,
// and two locations, one in Israel and one in the Diaspora.

#include "calendar/DateOperations.h"
#include "locations/LocationStruct.h"

#include <gtest/gtest.h>

namespace vessant::testsupport {

inline DATE_STRUCT Civil(int y, int m, int d, int transition = kTransitionUK) {
    DATE_STRUCT date;
    SetTransition(date, transition);
    EXPECT_TRUE(SetCivilDate(date, y, m, d));
    return date;
}

inline DATE_STRUCT Hebrew(int y, int m, int d) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    EXPECT_TRUE(SetHebrewDate(date, y, m, d));
    return date;
}

inline LOC_STRUCT Jerusalem() {
    LOC_STRUCT l;
    l.city = L"Jerusalem";
    l.country = L"Israel";
    l.longitudeDegrees = 35; l.longitudeMinutes = 14; l.longitudeDirection = 1;
    l.latitudeDegrees = 31; l.latitudeMinutes = 46; l.latitudeDirection = 1;
    l.timeZone = 18; l.dstRule = 15; l.diaspora = 0; l.shita = 1; l.candleLighting = 6;
    return l;
}

inline LOC_STRUCT NewYork() {
    LOC_STRUCT l;
    l.city = L"New York";
    l.country = L"NY";
    l.longitudeDegrees = 74; l.longitudeMinutes = 0; l.longitudeDirection = 2;
    l.latitudeDegrees = 40; l.latitudeMinutes = 43; l.latitudeDirection = 1;
    l.timeZone = 10; l.dstRule = 25; l.diaspora = 1; l.shita = 3; l.candleLighting = 2;
    return l;
}

} // namespace vessant::testsupport

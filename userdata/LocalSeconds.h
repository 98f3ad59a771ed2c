#pragma once
// Points of local wall-clock time as whole seconds: days since 1 January 1970 (Gregorian)
// times 86400 plus the seconds of the day. No zone enters: an alarm set for 07:00 is due
// when the local clock shows 07:00.

#include "platform/Clock.h"

#include <cstdint>

namespace vessant {

using LocalSeconds = std::int64_t;

// Julian day number of 1 January 1970.
inline constexpr int kJulianDayOf1970 = 2440588;

LocalSeconds LocalSecondsOf(const platform::LOCAL_TIME& time);   // milliseconds dropped
LocalSeconds LocalSecondsOfDay(int dayNumber, int hour, int minute, int second);
platform::LOCAL_TIME LocalTimeOf(LocalSeconds seconds);         // proleptic Gregorian
int DayNumberOf(const platform::LOCAL_TIME& time);              // Julian day number

} // namespace vessant

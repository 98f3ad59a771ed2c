#pragma once
// Day numbers of the weekdays rules are made of. Weekdays are the calendar's, 1 Sunday ..
// 7 Shabbat (calendar/Weekday.h). Civil dates are Gregorian.

#include <cstdint>

namespace vessant {

// The first Sunday on or after year-month-day.
std::int32_t FirstSundayOnOrAfter(int year, int month, int day);
// FirstSundayOnOrAfter(year, month, 1).
std::int32_t FirstSundayOfMonth(int year, int month);
// The last day of the month whose weekday is `weekday`, counted back from the 1st of the
// following month.
std::int32_t LastWeekdayOfMonth(int year, int weekday, int month);

} // namespace vessant

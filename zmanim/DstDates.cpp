#include "zmanim/DstDates.h"

#include "calendar/HebrewCalendar.h"
#include "calendar/Weekday.h"

namespace vessant {

std::int32_t FirstSundayOnOrAfter(int year, int month, int day) {
    const std::int32_t jd = CivilToDayNumber(year, month, day, false);
    const int weekday = WeekdayOfDayNumber(jd);
    return weekday == kSunday ? jd : jd + (7 - weekday + kSunday);
}

std::int32_t FirstSundayOfMonth(int year, int month) { return FirstSundayOnOrAfter(year, month, 1); }

std::int32_t LastWeekdayOfMonth(int year, int weekday, int month) {
    const std::int32_t firstOfNext =
        month == 12 ? CivilToDayNumber(year + 1, 1, 1, false) : CivilToDayNumber(year, month + 1, 1, false);
    const std::int32_t last = firstOfNext - 1;
    return last - (WeekdayOfDayNumber(last) - weekday + 7) % 7;
}

} // namespace vessant

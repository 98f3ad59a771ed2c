#include "zmanim/DstDates.h"

#include "calendar/HebrewCalendar.h"

namespace vessant {

int WeekdayFromSunday(std::int32_t jd) {
    // Day numbers in use are far above 6, so the remainder is never negative.
    return (jd - 6) % 7;
}

std::int32_t FirstSundayOnOrAfter(int year, int month, int day) {
    const std::int32_t jd = CivilToDayNumber(year, month, day, false);
    const int weekday = WeekdayFromSunday(jd);
    return weekday == 0 ? jd : jd + (7 - weekday);
}

std::int32_t FirstSundayOfMonth(int year, int month) { return FirstSundayOnOrAfter(year, month, 1); }

std::int32_t LastWeekdayOfMonth(int year, int weekday, int month) {
    const std::int32_t firstOfNext =
        month == 12 ? CivilToDayNumber(year + 1, 1, 1, false) : CivilToDayNumber(year, month + 1, 1, false);
    const std::int32_t last = firstOfNext - 1;
    return last - (WeekdayFromSunday(last) - weekday + 7) % 7;
}

} // namespace vessant

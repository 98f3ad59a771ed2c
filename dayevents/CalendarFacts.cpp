#include "CalendarFacts.h"

#include "calendar/HebrewCalendar.h"

namespace vessant {
namespace {

// The year's lengths as the calendar core fills them for 1 Tishrei; false for year 0.
bool YearOf(std::int32_t year, DATE_STRUCT& scratch) {
    return HebrewToCivil(year, kTishrei, 1, scratch) == 0;
}

} // namespace

std::int32_t HebrewDayNumber(std::int32_t year, std::int32_t month, std::int32_t day) {
    DATE_STRUCT scratch;
    if (HebrewToCivil(year, month, day, scratch) != 0)
        return 0;
    return CivilToDayNumber(scratch.civYear, scratch.civMonth, scratch.civDay, false);
}

std::int32_t HebrewYearDays(std::int32_t year) {
    DATE_STRUCT scratch;
    return YearOf(year, scratch) ? scratch.hebYearLength : 0;
}

std::int32_t KislevDays(std::int32_t year) {
    DATE_STRUCT scratch;
    return YearOf(year, scratch) ? scratch.hebMonthLength[kKislev - 1] : 30;
}

std::int32_t CheshvanDays(std::int32_t year) {
    DATE_STRUCT scratch;
    return YearOf(year, scratch) ? scratch.hebMonthLength[kCheshvan - 1] : 29;
}

} // namespace vessant

// HolidayDate: where a listed holiday falls in a given Hebrew year, for the year-details
// panel. The moves here are the present-day ones in every year; the day list applies the
// history by year instead.

#include "DayEvents.h"

#include "CalendarFacts.h"
#include "HebrewMonths.h"

#include "calendar/HebrewCalendar.h"

namespace vessant {
namespace {

using namespace hebmonth;
using namespace weekday;

// A weekday on which the holiday leaves its base day, and the day of the month it goes to.
struct Move {
    std::int8_t weekday = 0;
    std::int8_t day = 0;
};

struct HOLIDAY_DATE_RULE {
    std::int8_t code;
    std::int8_t month; // a hebmonth number or TheAdar
    std::int8_t day;
    Move moves[3];
};

// code, month, day, moves {weekday of the base day, day it moves to}
constexpr HOLIDAY_DATE_RULE kHolidayDates[] = {
    {1, Tishrei, 1, {}},                                         // Rosh Hashanah
    {3, Tishrei, 3, {{Shabbat, 4}}},                             // Fast of Gedaliah
    {7, Tishrei, 10, {}},                                        // Yom Kippur
    {9, Tishrei, 15, {}},                                        // Succot
    {29, Kislev, 25, {}},                                        // Chanukah
    {37, Tevet, 10, {}},                                         // Fast of Tevet
    {38, Shevat, 15, {}},                                        // Tu B'Shevat
    {42, TheAdar, 13, {{Shabbat, 11}}},                          // Fast of Esther
    {45, TheAdar, 14, {}},                                       // Purim
    {50, Nisan, 14, {{Shabbat, 12}}},                            // Fast of first born
    {52, Nisan, 15, {}},                                         // Pesach
    {67, Iyar, 5, {{Shabbat, 3}, {Friday, 4}, {Monday, 6}}},     // Independence
    {68, Iyar, 14, {}},                                          // Pesach Sheni
    {69, Iyar, 18, {}},                                          // Lag B'Omer
    {70, Iyar, 28, {}},                                          // Jerusalem Day
    {72, Sivan, 6, {}},                                          // Shavuot
    {77, Tammuz, 17, {{Shabbat, 18}}},                           // Fast of Tammuz
    {81, Av, 9, {{Shabbat, 10}}},                                // Tisha B'Av
    {84, Av, 15, {}},                                            // Tu B'Av
};

} // namespace

std::int32_t HolidayDate(std::int32_t year, std::int32_t code) {
    if (year == 0)
        return 0;
    for (const HOLIDAY_DATE_RULE& rule : kHolidayDates) {
        if (rule.code != code)
            continue;
        const std::int32_t month = Resolve(rule.month, IsHebrewLeapYear(year));
        const std::int32_t base = HebrewDayNumber(year, month, rule.day);
        if (base == 0)
            return 0;
        const std::int32_t baseWeekday = WeekdayOfDayNumber(base);
        for (const Move& move : rule.moves) {
            if (move.weekday != 0 && move.weekday == baseWeekday)
                return base + (move.day - rule.day);
        }
        return base;
    }
    return 0;
}

} // namespace vessant

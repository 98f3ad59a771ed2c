// HolidayDate: where a listed holiday falls in a given Hebrew year, for the year-details
// panel. The moves here are the present-day ones in every year; the day list applies the
// history by year instead.

#include "DayEvents.h"

#include "dayevents/detail/HebrewMonths.h"

#include "calendar/HebrewCalendar.h"
#include "calendar/Weekday.h"

namespace vessant {
namespace {

using namespace hebmonth;

// A weekday on which the holiday leaves its base day, and the day of the month it goes to.
struct Move {
    std::int8_t weekday = 0;
    std::int8_t day = 0;
};

struct HOLIDAY_DATE_RULE {
    std::int8_t code;
    std::int8_t month; // a month number or TheAdar
    std::int8_t day;
    Move moves[3];
};

// code, month, day, moves {weekday of the base day, day it moves to}
constexpr HOLIDAY_DATE_RULE kHolidayDates[] = {
    {1, kTishrei, 1, {}},                                             // Rosh Hashanah
    {3, kTishrei, 3, {{kShabbat, 4}}},                                // Fast of Gedaliah
    {7, kTishrei, 10, {}},                                            // Yom Kippur
    {9, kTishrei, 15, {}},                                            // Succot
    {29, kKislev, 25, {}},                                            // Chanukah
    {37, kTevet, 10, {}},                                             // Fast of Tevet
    {38, kShevat, 15, {}},                                            // Tu B'Shevat
    {42, TheAdar, 13, {{kShabbat, 11}}},                              // Fast of Esther
    {45, TheAdar, 14, {}},                                            // Purim
    {50, kNisan, 14, {{kShabbat, 12}}},                               // Fast of first born
    {52, kNisan, 15, {}},                                             // Pesach
    {67, kIyyar, 5, {{kShabbat, 3}, {kFriday, 4}, {kMonday, 6}}},     // Independence
    {68, kIyyar, 14, {}},                                             // Pesach Sheni
    {69, kIyyar, 18, {}},                                             // Lag B'Omer
    {70, kIyyar, 28, {}},                                             // Jerusalem Day
    {72, kSivan, 6, {}},                                              // Shavuot
    {77, kTammuz, 17, {{kShabbat, 18}}},                              // Fast of Tammuz
    {81, kAv, 9, {{kShabbat, 10}}},                                   // Tisha B'Av
    {84, kAv, 15, {}},                                                // Tu B'Av
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

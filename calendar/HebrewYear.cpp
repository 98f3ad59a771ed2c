#include "calendar/HebrewYear.h"

#include "calendar/DateStruct.h"
#include "calendar/HebrewCalendar.h"

namespace vessant {

HEBREW_YEAR_FRAME HebrewYearFrame(std::int32_t hebrewYear) {
    HEBREW_YEAR_FRAME frame;
    frame.year = hebrewYear;
    DATE_STRUCT scratch;
    if (HebrewToCivil(hebrewYear, kTishrei, 1, scratch) != 0) // only for its month lengths
        return frame;
    frame.newYearDay = HebrewNewYearDay(hebrewYear);
    frame.length = scratch.hebYearLength;
    frame.leap = frame.length > 355;
    const std::int32_t cheshvan = scratch.hebMonthLength[kCheshvan - 1];
    const std::int32_t kislev = scratch.hebMonthLength[kKislev - 1];
    frame.kind = cheshvan == 30 ? kYearComplete : kislev == 29 ? kYearDeficient : kYearInOrder;
    // Calendar order with every Adar in its place; the months the year lacks have length
    // 0 in the record and keep start 0.
    static constexpr int kOrder[] = {kTishrei, kCheshvan, kKislev, kTevet, kShevat, kAdarI, kAdarII,
                                     kAdar, kNisan, kIyyar, kSivan, kTammuz, kAv, kElul};
    std::int32_t day = frame.newYearDay;
    for (int month : kOrder) {
        const std::int32_t length = scratch.hebMonthLength[static_cast<std::size_t>(month - 1)];
        if (length == 0)
            continue;
        frame.monthStart[static_cast<std::size_t>(month)] = day;
        day += length;
    }
    return frame;
}

std::int32_t HebrewMonthDays(std::int32_t hebrewYear, int month) {
    if (month < 1 || month > 14)
        return 0;
    DATE_STRUCT scratch;
    if (HebrewToCivil(hebrewYear, kTishrei, 1, scratch) != 0)
        return 0;
    return scratch.hebMonthLength[static_cast<std::size_t>(month - 1)];
}

std::int32_t HebrewYearOfDay(std::int32_t dayNumber) {
    // Tishrei falls in September or October for many millennia: the year is then the civil
    // year + 3761 from 1 Tishrei on and + 3760 before it, which one new-year day settles.
    // Over longer spans the calendar drifts against the civil year, and the guess is moved
    // a year at a time; a year has at least 353 days, so most days need no second look.
    std::int32_t year = DayNumberToCivil(dayNumber, false).year + 3761;
    std::int32_t newYear = HebrewNewYearDay(year);
    while (dayNumber < newYear) {
        if (dayNumber >= newYear - 353)
            return year - 1;
        newYear = HebrewNewYearDay(--year);
    }
    while (dayNumber >= newYear + 353) {
        const std::int32_t next = HebrewNewYearDay(year + 1);
        if (dayNumber < next)
            return year;
        ++year;
        newYear = next;
    }
    return year;
}

} // namespace vessant

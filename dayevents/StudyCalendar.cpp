#include "dayevents/StudyCalendar.h"

#include "calendar/DateStruct.h"
#include "calendar/HebrewCalendar.h"

namespace vessant {

std::int32_t HebrewNewYearDay(std::int32_t hebrewYear) {
    // 1 Tishrei is 163 days after 15 Nisan of the year before, which falls in March or
    // (past 31) April of civil year hebrewYear - 3761; a day past March's end runs on.
    const int pesach = PesachDayOfMarch(hebrewYear - 1);
    return CivilToDayNumber(hebrewYear - 3761, 3, pesach, false) + 163;
}

std::int32_t HebrewYearOfDay(std::int32_t jdn) {
    // Tishrei falls in September or October for many millennia: the year is then the civil
    // year + 3761 from 1 Tishrei on and + 3760 before it, which one new-year day settles.
    // Over longer spans the calendar drifts against the civil year, and the guess is moved
    // a year at a time; a year has at least 353 days, so most days need no second look.
    std::int32_t year = DayNumberToCivil(jdn, false).year + 3761;
    std::int32_t newYear = HebrewNewYearDay(year);
    while (jdn < newYear) {
        if (jdn >= newYear - 353)
            return year - 1;
        newYear = HebrewNewYearDay(--year);
    }
    while (jdn >= newYear + 353) {
        const std::int32_t next = HebrewNewYearDay(year + 1);
        if (jdn < next)
            return year;
        ++year;
        newYear = next;
    }
    return year;
}

HEBREW_YEAR_FRAME HebrewYearFrame(std::int32_t hebrewYear) {
    HEBREW_YEAR_FRAME frame;
    frame.year = hebrewYear;
    frame.newYearDay = HebrewNewYearDay(hebrewYear);
    DATE_STRUCT scratch;
    HebrewToCivil(hebrewYear, kTishrei, 1, scratch); // only for its month lengths
    frame.length = scratch.hebYearLength;
    frame.leap = frame.length > 355;
    switch (frame.length % 10) { // 353/383 deficient, 354/384 regular, 355/385 complete
    case 3: frame.kind = 2; break;
    case 4: frame.kind = 1; break;
    default: frame.kind = 3; break;
    }
    static constexpr int kCommonOrder[] = {1, 2, 3, 4, 5, 14, 8, 9, 10, 11, 12, 13};
    static constexpr int kLeapOrder[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    std::int32_t day = frame.newYearDay;
    auto lay = [&](int month) {
        frame.monthStart[static_cast<std::size_t>(month)] = day;
        day += scratch.hebMonthLength[static_cast<std::size_t>(month - 1)];
    };
    if (frame.leap) {
        for (int month : kLeapOrder)
            lay(month);
    } else {
        for (int month : kCommonOrder)
            lay(month);
    }
    return frame;
}

} // namespace vessant

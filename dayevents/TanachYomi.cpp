#include "dayevents/TanachYomi.h"

#include "dayevents/detail/HebrewMonths.h"
#include "dayevents/StudyCalendar.h"
#include "dayevents/detail/TanachYomiTable.h"

#include "calendar/HebrewCalendar.h"
#include "calendar/HebrewYear.h"
#include "calendar/Weekday.h"

namespace vessant {
namespace {

constexpr std::int32_t kFirstCycleYear = 5767;

// Shabbatot d with d < day, counted from the start of the day numbers (Shabbat is d % 7 == 5).
constexpr std::int32_t ShabbatotBefore(std::int32_t day) { return (day + 1) / 7; }

std::int32_t FirstCycleStart() {
    static const std::int32_t start = HebrewNewYearDay(kFirstCycleYear) + 22;
    return start;
}

// The festivals and fast of a cycle year on which there is no study, in the order the
// count takes them. 9 Av comes last among those of year Y; the Tishrei days belong to
// year Y + 1, which ends the cycle year.
struct CYCLE_YEAR_DAYS {
    std::int32_t weekdays[8];   // count 1 each unless on Shabbat; 0 = unused
    std::int32_t tishaBeAv;     // 9 Av: 1, or 2 when it is Shabbat (Sunday 10 Av too)
    std::int32_t tishrei[5];    // 1, 2, 10, 15, 22 Tishrei of Y + 1
};

CYCLE_YEAR_DAYS NonStudyDaysOf(const HEBREW_YEAR_FRAME& year) {
    CYCLE_YEAR_DAYS days{};
    int n = 0;
    days.weekdays[n++] = DayOfHebrewDate(year, hebmonth::Resolve(hebmonth::TheAdar, year.leap), 14);
    days.weekdays[n++] = DayOfHebrewDate(year, kNisan, 15);
    days.weekdays[n++] = DayOfHebrewDate(year, kNisan, 21);
    // Independence Day and Memorial Day move off Friday, Shabbat and Sunday evening.
    for (int iyar = 3; iyar <= 4; ++iyar) {
        if (const std::int32_t d = DayOfHebrewDate(year, kIyyar, iyar); WeekdayOfDayNumber(d) == kThursday)
            days.weekdays[n++] = d;
    }
    if (const std::int32_t d = DayOfHebrewDate(year, kIyyar, 5);
        WeekdayOfDayNumber(d) != kMonday && WeekdayOfDayNumber(d) != kFriday)
        days.weekdays[n++] = d;
    if (const std::int32_t d = DayOfHebrewDate(year, kIyyar, 6); WeekdayOfDayNumber(d) == kTuesday)
        days.weekdays[n++] = d;
    days.weekdays[n++] = DayOfHebrewDate(year, kSivan, 6);
    days.tishaBeAv = DayOfHebrewDate(year, kAv, 9);
    const std::int32_t nextNewYear = year.newYearDay + year.length;
    const int tishrei[5] = {1, 2, 10, 15, 22};
    for (int k = 0; k < 5; ++k)
        days.tishrei[k] = nextNewYear + tishrei[k] - 1;
    return days;
}

bool IsNonStudyDay(std::int32_t jdn, const CYCLE_YEAR_DAYS& days) {
    if (WeekdayOfDayNumber(jdn) == kShabbat)
        return true;
    for (std::int32_t d : days.weekdays) {
        if (d == jdn)
            return true;
    }
    for (std::int32_t d : days.tishrei) {
        if (d == jdn)
            return true;
    }
    return jdn == days.tishaBeAv || (jdn == days.tishaBeAv + 1 && WeekdayOfDayNumber(jdn) == kSunday);
}

// Non-study days from the cycle's first day up to (not including) the day. When 9 Av is
// Shabbat it counts two on top of that Shabbat, so Monday 11 Av repeats the unit of
// Friday 8 Av; the variants' day counts are laid out for that.
std::int32_t NonStudyDaysBefore(std::int32_t cycleStart, std::int32_t jdn, const CYCLE_YEAR_DAYS& days) {
    std::int32_t count = ShabbatotBefore(jdn) - ShabbatotBefore(cycleStart);
    for (std::int32_t d : days.weekdays) {
        if (d != 0 && jdn > d && WeekdayOfDayNumber(d) != kShabbat)
            ++count;
    }
    if (jdn > days.tishaBeAv)
        count += WeekdayOfDayNumber(days.tishaBeAv) == kShabbat ? 2 : 1;
    for (std::int32_t d : days.tishrei) {
        if (jdn > d && WeekdayOfDayNumber(d) != kShabbat)
            ++count;
    }
    return count;
}

} // namespace

std::int32_t TanachVariant(std::int32_t yearKind, bool leap, int w) {
    constexpr int kMon = 1, kTue = 2, kThu = 4, kSat = 6;
    if (leap) {
        switch (yearKind) {
        case 1: return w == kMon ? 2 : 0;
        case 2: return (w == kMon || w == kThu) ? 3 : w == kTue ? 2 : w == kSat ? 1 : 0;
        case 3: return w == kMon ? 3 : w == kThu ? 1 : w == kSat ? 5 : 0;
        default: return 0;
        }
    }
    switch (yearKind) {
    case 1: return (w == kMon || w == kThu) ? 0 : w == kSat ? 1 : 0;
    case 2: return (w == kTue || w == kThu) ? 2 : 0;
    case 3: return w == kTue ? 3 : w == kThu ? 1 : w == kSat ? 4 : 0;
    default: return 0;
    }
}

std::int32_t TanachVariantTotal(std::int32_t variant, bool leap) {
    if (variant < 0 || variant >= kTanachVariants)
        return 0;
    std::int32_t total = 0;
    for (int b = 0; b < (leap ? kTanachBooks : kTanachCommonBooks); ++b)
        total += kTanachDaysPerBook[variant][b];
    return total;
}

std::optional<TANACH_STATE> TanachYomiState(std::int32_t jdn) {
    if (jdn < FirstCycleStart() || jdn > kStudyCalendarLastDay)
        return std::nullopt;
    HEBREW_YEAR_FRAME year = HebrewYearFrame(HebrewYearOfDay(jdn));
    if (jdn < year.newYearDay + 22) // before 23 Tishrei: the cycle of the year before
        year = HebrewYearFrame(year.year - 1);
    const std::int32_t cycleStart = year.newYearDay + 22;
    const CYCLE_YEAR_DAYS days = NonStudyDaysOf(year);
    const int nextNewYearWeekday = WeekdayOfDayNumber(year.newYearDay + year.length) - kSunday; // 0 Sunday

    TANACH_STATE state;
    state.cyclesBegun = year.year - kFirstCycleYear + 1;
    state.dayOfCycle = jdn - cycleStart + 1;
    state.nonStudyDays = NonStudyDaysBefore(cycleStart, jdn, days);
    state.leap = year.leap ? 1 : 0;
    state.yearKind = year.kind;
    state.variant = TanachVariant(year.kind, year.leap, nextNewYearWeekday);
    state.studyDay = IsNonStudyDay(jdn, days) ? 0 : 1;
    return state;
}

TANACH_YOMI TanachYomiAtStudyNumber(std::int32_t s, std::int32_t variant, bool leap) {
    if (variant < 0 || variant >= kTanachVariants || s < 1)
        return {0, 0, 0};
    const int books = leap ? kTanachBooks : kTanachCommonBooks;
    std::int32_t before = 0; // study days of the books before book b
    for (int b = 1; b <= books; ++b) {
        const std::int32_t days = kTanachDaysPerBook[variant][b - 1];
        if (s <= before + days)
            return {b, days == 1 ? 0 : s - before, variant};
        before += days;
    }
    return {0, 0, 0};
}

TANACH_YOMI TanachYomiAt(const TANACH_STATE& state) {
    if (state.studyDay == 0)
        return {0, 0, 0};
    return TanachYomiAtStudyNumber(state.dayOfCycle - state.nonStudyDays, state.variant, state.leap != 0);
}

TANACH_YOMI TanachYomi(std::int32_t jdn) {
    const std::optional<TANACH_STATE> state = TanachYomiState(jdn);
    return state ? TanachYomiAt(*state) : TANACH_YOMI{0, 0, 0};
}

} // namespace vessant

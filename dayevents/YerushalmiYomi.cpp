#include "dayevents/YerushalmiYomi.h"

#include "dayevents/StudyCalendar.h"
#include "dayevents/YerushalmiYomiTable.h"

#include "calendar/HebrewCalendar.h"
#include "calendar/HebrewYear.h"
#include "calendar/Weekday.h"

#include <algorithm>
#include <array>

namespace vessant {
namespace {

// The next cycle starts on the day after the 1554th study day. Counting the skip days over
// a fixed window of 1562 days finds that day until a skip day first falls just past the
// window (the cycle beginning on day 3092732, in the year 3755), which would leave the
// cycle a page short; growing the span by the skip days it holds until it holds no more
// gives the same starts before then and the right ones after. Two or three rounds.
std::int32_t NextCycleStart(std::int32_t start) {
    std::int32_t next = start + kYerushalmiCycleDays;
    for (;;) {
        const std::int32_t grown = start + kYerushalmiCycleDays + YerushalmiSkips(start, next);
        if (grown == next)
            return next;
        next = grown;
    }
}

// The cycle starts never change, so they are worked out once, for every cycle that begins
// before civil year 10000 (about 1900 cycles); later days walk on from the last of them.
constexpr std::int32_t kCachedThrough = 5373484; // 1 January 10000
constexpr std::size_t kCacheCapacity = 2048;

struct CYCLE_STARTS {
    std::array<std::int32_t, kCacheCapacity> start{};
    std::size_t count = 0;
};

CYCLE_STARTS BuildCycleStarts() {
    CYCLE_STARTS starts;
    std::int32_t start = kYerushalmiYomiFirstDay;
    while (starts.count < kCacheCapacity && start <= kCachedThrough) {
        starts.start[starts.count++] = start;
        start = NextCycleStart(start);
    }
    return starts;
}

const CYCLE_STARTS& CycleStarts() {
    static const CYCLE_STARTS starts = BuildCycleStarts();
    return starts;
}

struct CYCLE {
    std::int32_t number; // 1-based
    std::int32_t start;
};

CYCLE CycleOf(std::int32_t jdn) {
    jdn = std::min(jdn, kStudyCalendarLastDay);
    const CYCLE_STARTS& starts = CycleStarts();
    const auto first = starts.start.begin();
    const auto last = first + static_cast<std::ptrdiff_t>(starts.count);
    // The last cached start on or before the day; the first one for earlier days.
    const auto after = std::upper_bound(first, last, jdn);
    const auto found = after == first ? first : after - 1;
    CYCLE cycle{static_cast<std::int32_t>(found - first) + 1, *found};
    if (after == last) {
        for (std::int32_t next = NextCycleStart(cycle.start); next <= jdn; next = NextCycleStart(next)) {
            cycle.start = next;
            ++cycle.number;
        }
    }
    return cycle;
}

} // namespace

std::int32_t YerushalmiSkips(std::int32_t from, std::int32_t to) {
    from = std::max(from, kStudyCalendarFirstDay);
    to = std::min(to, kStudyCalendarLastDay + 1);
    if (to <= from)
        return 0;
    std::int32_t count = 0;
    std::int32_t year = HebrewYearOfDay(from);
    std::int32_t newYear = HebrewNewYearDay(year);
    while (newYear < to) {
        const std::int32_t nextNewYear = HebrewNewYearDay(year + 1);
        const std::int32_t yomKippur = newYear + 9;
        // 9 Av is 51 days before the next 1 Tishrei (Av has 30 days, Elul 29); a fast
        // that falls on Shabbat is kept on Sunday.
        std::int32_t tishaBeAv = nextNewYear - 51;
        if (WeekdayOfDayNumber(tishaBeAv) == kShabbat)
            ++tishaBeAv;
        count += (yomKippur >= from && yomKippur < to) + (tishaBeAv >= from && tishaBeAv < to);
        newYear = nextNewYear;
        ++year;
    }
    return count;
}

bool IsYerushalmiSkipDay(std::int32_t jdn) {
    return jdn >= kStudyCalendarFirstDay && jdn <= kStudyCalendarLastDay && YerushalmiSkips(jdn, jdn + 1) > 0;
}

std::int32_t YerushalmiCycleStart(std::int32_t jdn) { return CycleOf(jdn).start; }

std::optional<STUDY_POSITION> YerushalmiYomiPosition(std::int32_t jdn) {
    if (jdn < kYerushalmiYomiFirstDay || jdn > kStudyCalendarLastDay || IsYerushalmiSkipDay(jdn))
        return std::nullopt;
    const CYCLE cycle = CycleOf(jdn);
    return STUDY_POSITION{cycle.number, jdn - cycle.start - YerushalmiSkips(cycle.start, jdn)};
}

YERUSHALMI_YOMI YerushalmiYomiAtIndex(std::int32_t index) {
    if (index < 0 || index >= kYerushalmiCycleDays)
        return {0, 0};
    int row = 0;
    while (kYerushalmiStarts[row + 1] <= index) // the sentinel stops the walk
        ++row;
    return {row + 1, index - kYerushalmiStarts[row] + 1};
}

YERUSHALMI_YOMI YerushalmiYomi(std::int32_t jdn) {
    const std::optional<STUDY_POSITION> position = YerushalmiYomiPosition(jdn);
    return position ? YerushalmiYomiAtIndex(position->index) : YERUSHALMI_YOMI{0, 0};
}

} // namespace vessant

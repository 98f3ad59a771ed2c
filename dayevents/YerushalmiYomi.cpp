#include "dayevents/YerushalmiYomi.h"

#include "dayevents/StudyCalendar.h"
#include "dayevents/YerushalmiYomiTable.h"

#include "calendar/HebrewCalendar.h"
#include "calendar/HebrewYear.h"
#include "calendar/Weekday.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <mutex>
#include <span>

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

// The cycle starts never change, so each is worked out once and kept, for the cycles that
// begin before civil year 10000 (about 1900); later days walk on from the last of them.
// Starts are added only as far as the days asked for reach: a program that shows a day of
// this century works out a dozen of them, not all of them. Readers take the starts already
// published without a lock; adding more takes the lock.
constexpr std::int32_t kCachedThrough = 5373484; // 1 January 10000
constexpr std::size_t kCacheCapacity = 2048;

class CCycleStarts {
public:
    // The known starts, published at least as far as the first start after jdn unless
    // every start through kCachedThrough is known.
    std::span<const std::int32_t> Through(std::int32_t jdn) {
        std::size_t count = count_.load(std::memory_order_acquire);
        if (!Covers(count, jdn)) {
            const std::lock_guard lock(mutex_);
            count = count_.load(std::memory_order_relaxed);
            while (!Covers(count, jdn)) {
                const std::int32_t next = count == 0 ? kYerushalmiYomiFirstDay : NextCycleStart(start_[count - 1]);
                if (next > kCachedThrough) {
                    complete_.store(true, std::memory_order_release);
                    break;
                }
                start_[count++] = next;
                count_.store(count, std::memory_order_release);
            }
        }
        return {start_.data(), count};
    }

private:
    bool Covers(std::size_t count, std::int32_t jdn) const {
        return (count > 0 && start_[count - 1] > jdn) || count == kCacheCapacity ||
               complete_.load(std::memory_order_acquire);
    }

    std::array<std::int32_t, kCacheCapacity> start_{};
    std::atomic<std::size_t> count_{0};
    std::atomic<bool> complete_{false};
    std::mutex mutex_;
};

CCycleStarts& CycleStarts() {
    static CCycleStarts starts;
    return starts;
}

struct CYCLE {
    std::int32_t number; // 1-based
    std::int32_t start;
};

CYCLE CycleOf(std::int32_t jdn) {
    jdn = std::min(jdn, kStudyCalendarLastDay);
    const std::span<const std::int32_t> starts = CycleStarts().Through(jdn);
    const auto first = starts.begin();
    const auto last = starts.end();
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

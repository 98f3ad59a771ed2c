#pragma once
// Where a day falls in a daily study cycle: the first stage of every study-cycle look-up.

#include <cstdint>
#include <optional>

namespace vessant {

// Start of the row after a tractate table's last row: beyond every day index.
inline constexpr std::int32_t kStudyTableSentinel = 10000;

struct STUDY_POSITION {
    std::int32_t cycle; // cycle number, counted as each programme counts it
    std::int32_t index; // day index within the cycle, as its table is indexed
};

// A day in a cycle of `cycleDays` days that repeats without a break from `firstDay`,
// counted as the mishna and halacha tables count it: cycle 0, 1, ... and index
// [1, cycleDays], where the first day itself is index cycleDays of cycle 0, the close of
// the cycle before the count began. Nothing before the first day.
constexpr std::optional<STUDY_POSITION> RepeatingCyclePosition(std::int32_t jdn, std::int32_t firstDay,
                                                               std::int32_t cycleDays) {
    if (jdn < firstDay)
        return std::nullopt;
    const std::int32_t elapsed = jdn - firstDay; // >= 0
    const std::int32_t r = elapsed % cycleDays;
    return STUDY_POSITION{elapsed / cycleDays, r == 0 ? cycleDays : r};
}

} // namespace vessant

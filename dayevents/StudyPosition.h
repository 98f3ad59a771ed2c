#pragma once
// Where a day falls in a daily study cycle: the first stage of every study-cycle look-up.

#include <cstdint>

namespace vessant {

// Start of the row after a tractate table's last row: beyond every day index.
inline constexpr std::int32_t kStudyTableSentinel = 10000;

struct STUDY_POSITION {
    std::int32_t cycle; // cycle number, counted as each programme counts it
    std::int32_t index; // day index within the cycle, as its table is indexed
};

} // namespace vessant

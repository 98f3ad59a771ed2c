#pragma once
// The Daf yomi tractates in cycle order with the day index each starts at.

#include "dayevents/StudyPosition.h"

#include <cstdint>

namespace vessant {

struct DAF_TRACTATE_START {
    std::int32_t start;    // day index of the tractate's first page, [0, 2710]
    std::int32_t tractate; // 1 "Berachot" ... 37 "Nidah"
};

inline constexpr int kDafYomiTractates = 37;
inline constexpr std::int32_t kDafYomiCycleDays = 2711;

// 37 rows and a sentinel row whose start is kStudyTableSentinel.
extern const DAF_TRACTATE_START kDafYomiStarts[kDafYomiTractates + 1];

} // namespace vessant

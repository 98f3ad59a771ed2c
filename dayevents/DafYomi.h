#pragma once
// Daf yomi: one page of the Babylonian Talmud a day, in cycles of 2711 days counted from
// Julian day number 2423611.

#include "dayevents/StudyPosition.h"

#include <cstdint>
#include <optional>

namespace vessant {

struct DAF_YOMI {
    std::int32_t tractate; // 1 "Berachot" ... 37 "Nidah" (text: resource 500 + tractate); 0 none
    std::int32_t page;     // 2 up to the tractate's last page
};

inline constexpr std::int32_t kDafYomiFirstDay = 2423611;

// Cycle 1, 2, ... and day index [0, 2710]; nothing before the first cycle.
std::optional<STUDY_POSITION> DafYomiPosition(std::int32_t jdn);

// The page read on day index [0, 2710] of a cycle; {0, 0} outside that range.
DAF_YOMI DafYomiAtIndex(std::int32_t index);

// The page of a day; {0, 0} before the first cycle.
DAF_YOMI DafYomi(std::int32_t jdn);

} // namespace vessant

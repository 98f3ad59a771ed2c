#pragma once
// Mishna yomit: two mishnayot a day through the whole Mishnah, in cycles of 2096 days
// counted from Julian day number 2434421.

#include "dayevents/StudyPosition.h"

#include <cstdint>
#include <optional>

namespace vessant {

struct MISHNA_YOMIT {
    std::uint8_t tractate; // 1 "Berachot" ... 63 "Uktzin" (text: resource 576 + tractate); 0 none
    std::uint8_t chapter;  // chapter of the day's first mishna
    std::uint8_t mishna;   // the day's first mishna; the second follows it in reading order
};

inline constexpr std::int32_t kMishnaYomitFirstDay = 2434421;

// Cycle 0, 1, ... and entry index [1, 2096]; nothing before the first day. The first day
// itself is entry 2096 of cycle 0, the close of the cycle before the count began.
std::optional<STUDY_POSITION> MishnaYomitPosition(std::int32_t jdn);

// The reading of entry [1, 2096]; all zero outside that range.
MISHNA_YOMIT MishnaYomitAtIndex(std::int32_t index);

// The reading of a day; all zero before the first day.
MISHNA_YOMIT MishnaYomit(std::int32_t jdn);

} // namespace vessant

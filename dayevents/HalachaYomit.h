#pragma once
// Halacha yomit: Shulchan Aruch Orach Chaim and then Kitzur Shulchan Aruch, a few seifim a
// day, in cycles of 1613 days counted from Julian day number 2447874.

#include "dayevents/StudyPosition.h"

#include <cstdint>
#include <optional>

namespace vessant {

struct HALACHA_YOMIT {
    std::uint8_t book;  // 1 "Orach Chaim", 2 "Kitzur Shulchan Aruch" (resource 639 + book); 0 none
    std::int32_t siman;
    std::uint8_t seif;  // the first seif of the day
};

inline constexpr std::int32_t kHalachaYomitFirstDay = 2447874;
inline constexpr std::int32_t kHalachaYomitCycleDays = 1613;

// Cycle 0, 1, ... and day index [1, 1613]; nothing before the first day.
std::optional<STUDY_POSITION> HalachaYomitPosition(std::int32_t jdn);

// The reading of day index [1, 1613]; all zero outside that range. The table has 1612
// entries; index 1613, the last day of every cycle, goes on with the reading of index
// 1612 (Kitzur 220:10) so that the day still shows a real reading.
HALACHA_YOMIT HalachaYomitAtIndex(std::int32_t index);

// The reading of a day; all zero before the first day.
HALACHA_YOMIT HalachaYomit(std::int32_t jdn);

} // namespace vessant

#pragma once
// The data of the weekly-portion schedule: the portions that may be read together and
// when, and the dates of the special Shabbatot. Rows live in PortionSchedule.cpp.

#include <cstdint>
#include <span>

namespace vessant {

// When a pair of portions is read on one Shabbat; `leap` is a year of more than 380 days,
// h the weekday of this 1 Tishrei and P that of the next (1 Sunday .. 7 Shabbat).
enum class JoinRule : std::int8_t {
    CommonUnlessThursdayToTuesday, // not leap, unless h = 5 and P = 3
    Common,                        // not leap
    CommonOutsideIsraelOrNotMonday, // not leap, and (Diaspora or P != 2)
    DiasporaBeforeShabbat,         // Diaspora and P = 7
    CommonOrLateOrDiasporaMonday,  // not leap, or h = 7, or P = 7, or (Diaspora and P = 2)
    BeforeThursdayOrShabbat,       // P = 5 or P = 7
};

struct JOINED_PAIR {
    std::int8_t first; // read with first + 1
    JoinRule rule;
};

// In the order they are tested.
std::span<const JOINED_PAIR> JoinedPairs();

// A special Shabbat falls on days firstDay..lastDay of `month` (a hebmonth number, or
// TheAdar / BeforeTheAdar). A code with several rows falls in any of them.
struct SPECIAL_SHABBAT_RANGE {
    std::int8_t special;
    std::int8_t month;
    std::int8_t firstDay;
    std::int8_t lastDay;
};

// In the order they are tested; the first that holds wins.
std::span<const SPECIAL_SHABBAT_RANGE> SpecialShabbatRanges();

inline constexpr std::int32_t kSpecialShabbatShira = 2;
inline constexpr std::int32_t kPortionBeshalach = 16;

} // namespace vessant

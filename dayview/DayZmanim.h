#pragma once
// The fourteen zmanim a day shows, in the order every view lists them: twelve clock times
// from dawn to midnight, then the length of the day and of its seasonal hour.

#include "zmanim/ClockConversion.h"
#include "zmanim/ZmanimStruct.h"

#include <array>

namespace vessant {

inline constexpr int kDayZmanCount = 14;

// Positions in the list, for views that show only some.
enum class DayZman : int {
    Alot, Misheyakir, Hanetz, SofZmanShema, SofZmanTefilla, Chatzot, MinchaGedola,
    MinchaKetana, PlagHamincha, Shkia, Tzeit, ChatzotLayla, DayLength, ShaaZmanit
};

struct DAY_ZMAN {
    const char* key = "";  // for scripts: "alot", ...
    int labelId = 0;       // string resource of the label
    bool duration = false;
    CLOCK_TIME time;       // when not a duration
    DURATION_HMS length;   // when a duration
};

using DAY_ZMANIM = std::array<DAY_ZMAN, kDayZmanCount>;

inline const DAY_ZMAN& ZmanOf(const DAY_ZMANIM& zmanim, DayZman which) {
    return zmanim[static_cast<std::size_t>(which)];
}

// The list from a zmanim record already computed for the day.
void FillDayZmanim(const ZMANIM_STRUCT& zmanim, DAY_ZMANIM& out);

} // namespace vessant

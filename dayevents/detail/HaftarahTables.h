#pragma once
// The three haftarah tables, one column per rite (Ashkenazi, Adot Mizrach, Italian,
// Yemenite): readings by key (festivals, fasts and the Shabbatot of Chanukah, Rosh Chodesh
// and Chol Hamoed), by special Shabbat, and by weekly portion.

#include "dayevents/detail/HaftarahNotation.h"
#include "dayevents/YearType.h"

#include <cstdint>
#include <span>

namespace vessant {

using haftarah_notation::HAFTARAH_READING;

struct HAFTARAH_KEY_ROW {
    std::int16_t key;
    HAFTARAH_READING rites[kHaftarahRites];
};

struct HAFTARAH_SPECIAL_ROW {
    std::int8_t special;
    HAFTARAH_READING rites[kHaftarahRites];
};

// Whether a portion row holds for any year, or only when a year-type flag is clear or set.
enum class FlagState : std::int8_t { Any, Clear, Set };

struct HAFTARAH_PORTION_ROW {
    std::int8_t portion;
    YearTypeFlag flag;
    FlagState state;
    HAFTARAH_READING rites[kHaftarahRites];
};

std::span<const HAFTARAH_KEY_ROW> HaftarahKeyRows();
std::span<const HAFTARAH_SPECIAL_ROW> HaftarahSpecialRows();
std::span<const HAFTARAH_PORTION_ROW> HaftarahPortionRows();

} // namespace vessant

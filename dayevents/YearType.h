#pragma once
// The fourteen kinds of Hebrew year, told apart by the weekday of Rosh Hashanah, the
// lengths of Cheshvan and Kislev and the weekday of Pesach, and the five flags by which
// a kind of year chooses between two haftarot of a few portions.

#include <cstdint>

namespace vessant {

// The flags of a year type: A for portions 22 and 27, B for 29, C for 32, D for 41 and 42,
// E for 39.
enum class YearTypeFlag : std::int8_t { A, B, C, D, E };

// Type 1 to 14 of Hebrew year `year`; 0 when its key is not among the fourteen.
std::int32_t YearType(std::int32_t year);

// The key of a year: weekday of 1 Tishrei (0 Sunday..6 Shabbat) + 10 regular / 20
// deficient / 30 complete + 100 * weekday of 15 Nisan.
std::int32_t YearTypeKey(std::int32_t year);

// A flag is set when the table holds 1, or 2 and the place is outside Israel. Every flag
// of type 0 (and of any number outside 1..14) is clear.
bool YearTypeFlagSet(std::int32_t type, YearTypeFlag flag, bool diaspora);

} // namespace vessant

#pragma once
// The weekly Torah portion of a Shabbat, the portion read with it, and the special
// Shabbat it is. Israel and the Diaspora part ways only after a second festival day of
// the Diaspora falls on Shabbat, and meet again before the next Rosh Hashanah.

#include <cstdint>
#include <string>

namespace vessant {

// Portions 1 Bereshit .. 54 Vezot Habracha; the name of portion n is string resource 174 + n.
inline constexpr int kPortionCount = 54;
inline constexpr int kPortionTextBase = 174;

// Special Shabbat codes 1..12; the name of code s is string resource 689 + s.
inline constexpr int kSpecialShabbatCount = 12;
inline constexpr int kSpecialShabbatTextBase = 689;

struct PORTION_INFO {
    std::int32_t first = 0;   // 0 on a festival Shabbat, which has no weekly portion
    std::int32_t second = 0;  // first + 1 when the two are read together, else 0
    std::int32_t special = 0; // special-Shabbat code, 0 for none
};

// The portion of a Shabbat: packed Hebrew date (month * 65536 + day) and Hebrew year, and
// whether the place is outside Israel. Callers pass Shabbat days only.
PORTION_INFO WeeklyPortion(std::int32_t hebrewPacked, std::int32_t year, bool diaspora);

// Whether a Hebrew date is a festival day on which no weekly portion is read.
bool IsFestivalDay(std::int32_t month, std::int32_t day, bool diaspora);

// "Vayakhel" or "Vayakhel-Pekudei"; empty on a festival Shabbat.
std::wstring PortionText(const PORTION_INFO& portion);

// Names from the string table; empty out of range.
const std::wstring& PortionName(std::int32_t portion);
const std::wstring& SpecialShabbatName(std::int32_t special);

} // namespace vessant

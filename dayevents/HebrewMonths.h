#pragma once
// Hebrew month numbers as the date record holds them, and the two "Adar" stand-ins the
// rule tables use so that one row serves common and leap years alike.

#include <cstdint>

namespace vessant::hebmonth {

inline constexpr std::int32_t Tishrei = 1;
inline constexpr std::int32_t Cheshvan = 2;
inline constexpr std::int32_t Kislev = 3;
inline constexpr std::int32_t Tevet = 4;
inline constexpr std::int32_t Shevat = 5;
inline constexpr std::int32_t AdarI = 6;  // leap years only
inline constexpr std::int32_t AdarII = 7; // leap years only
inline constexpr std::int32_t Nisan = 8;
inline constexpr std::int32_t Iyar = 9;
inline constexpr std::int32_t Sivan = 10;
inline constexpr std::int32_t Tammuz = 11;
inline constexpr std::int32_t Av = 12;
inline constexpr std::int32_t Elul = 13;
inline constexpr std::int32_t Adar = 14; // the single Adar of a common year

// Table stand-ins, never stored in a date:
inline constexpr std::int32_t TheAdar = 15;       // Adar II in a leap year, Adar in a common year
inline constexpr std::int32_t BeforeTheAdar = 16; // Adar I in a leap year, Shevat in a common year

// The real month a table month stands for in a year of the given kind.
constexpr std::int32_t Resolve(std::int32_t tableMonth, bool leap) {
    if (tableMonth == TheAdar)
        return leap ? AdarII : Adar;
    if (tableMonth == BeforeTheAdar)
        return leap ? AdarI : Shevat;
    return tableMonth;
}

// The month before `month` within its year, the way Rosh Chodesh counts it: before Nisan
// comes Adar II or Adar, before Adar I and a common Adar comes Shevat. 0 for Tishrei.
constexpr std::int32_t Previous(std::int32_t month, bool leap) {
    switch (month) {
    case Tishrei: return 0;
    case AdarI:
    case Adar: return Shevat;
    case Nisan: return leap ? AdarII : Adar;
    default: return month - 1;
    }
}

} // namespace vessant::hebmonth

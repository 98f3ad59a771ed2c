#pragma once
// The two "Adar" stand-ins the rule tables use so that one row serves common and leap
// years alike, beside the calendar's own month numbers (calendar/DateStruct.h).

#include "calendar/DateStruct.h"

#include <cstdint>

namespace vessant::hebmonth {

// Table stand-ins, never stored in a date:
inline constexpr std::int32_t TheAdar = 15;       // Adar II in a leap year, Adar in a common year
inline constexpr std::int32_t BeforeTheAdar = 16; // Adar I in a leap year, Shevat in a common year

// The real month a table month stands for in a year of the given kind.
constexpr std::int32_t Resolve(std::int32_t tableMonth, bool leap) {
    if (tableMonth == TheAdar)
        return leap ? kAdarII : kAdar;
    if (tableMonth == BeforeTheAdar)
        return leap ? kAdarI : kShevat;
    return tableMonth;
}

// The month before `month` within its year, the way Rosh Chodesh counts it: before Nisan
// comes Adar II or Adar, before Adar I and a common Adar comes Shevat. 0 for Tishrei.
constexpr std::int32_t Previous(std::int32_t month, bool leap) {
    switch (month) {
    case kTishrei: return 0;
    case kAdarI:
    case kAdar: return kShevat;
    case kNisan: return leap ? kAdarII : kAdar;
    default: return month - 1;
    }
}

} // namespace vessant::hebmonth

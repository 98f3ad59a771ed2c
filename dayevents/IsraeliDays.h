#pragma once
// Holocaust Day, Memorial Day and Independence Day: each moved off a day by a rule that the
// law changed over the years, so the rule depends on the Hebrew year. Each function says
// whether the given day of its month carries the day, the weekday being that day's own
// (1 Sunday to 7 Shabbat).

#include <cstdint>

namespace vessant {

// Code 65, on 26, 27 or 28 Nisan.
bool IsHolocaustDay(std::int32_t year, std::int32_t nisanDay, std::int32_t weekday);

// Code 66, on 2 to 5 Iyar.
bool IsMemorialDay(std::int32_t year, std::int32_t iyarDay, std::int32_t weekday);

// Code 67, on 3 to 6 Iyar; never on the day that is Memorial Day.
bool IsIndependenceDay(std::int32_t year, std::int32_t iyarDay, std::int32_t weekday);

} // namespace vessant

#pragma once
// Days of the week as the date record and every rule table count them: 1 Sunday ...
// 7 Shabbat.

#include <cstdint>

namespace vessant {

inline constexpr int kSunday = 1;
inline constexpr int kMonday = 2;
inline constexpr int kTuesday = 3;
inline constexpr int kWednesday = 4;
inline constexpr int kThursday = 5;
inline constexpr int kFriday = 6;
inline constexpr int kShabbat = 7;

// Weekday of a Julian day number, ((dayNumber - 6) mod 7) + 1. For day numbers from 6
// on: below that, division truncating toward zero gives 0 or less.
constexpr int WeekdayOfDayNumber(std::int32_t dayNumber) { return (dayNumber - 6) % 7 + 1; }

} // namespace vessant

#pragma once
// The few calendar facts the day-event rules ask of the calendar core, in the shape the
// rules want them: day numbers of Hebrew dates and the lengths of a Hebrew year.

#include <cstdint>

namespace vessant {

// Julian day number of a Hebrew date; 0 when the date does not exist.
std::int32_t HebrewDayNumber(std::int32_t year, std::int32_t month, std::int32_t day);

// Days in Hebrew year `year` (353-355, 383-385); 0 for year 0.
std::int32_t HebrewYearDays(std::int32_t year);

// 29 or 30: Kislev is short only in a deficient year.
std::int32_t KislevDays(std::int32_t year);

// 29 or 30: Cheshvan is long only in a complete year.
std::int32_t CheshvanDays(std::int32_t year);

// 1 Sunday ... 7 Shabbat for a day number of the era.
constexpr std::int32_t WeekdayOfDayNumber(std::int32_t jdn) {
    return (jdn - 6) % 7 + 1;
}

} // namespace vessant

namespace vessant::weekday {

inline constexpr std::int32_t Sunday = 1;
inline constexpr std::int32_t Monday = 2;
inline constexpr std::int32_t Tuesday = 3;
inline constexpr std::int32_t Wednesday = 4;
inline constexpr std::int32_t Thursday = 5;
inline constexpr std::int32_t Friday = 6;
inline constexpr std::int32_t Shabbat = 7;

} // namespace vessant::weekday

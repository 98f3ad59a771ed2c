#pragma once
// The days the calendar-bound study cycles (Yerushalmi, Tanach) are worked out for. They
// take their Hebrew years as day numbers from the calendar core (calendar/HebrewYear.h).

#include <cstdint>

namespace vessant {

// From 1 Tishrei 3762 (6 September of year 1), where the calendar's reach begins, to a
// day far beyond any date the program shows and well inside the range where the
// calendar's 32-bit arithmetic stays exact (about day number 500 000 000).
inline constexpr std::int32_t kStudyCalendarFirstDay = 1721674;
inline constexpr std::int32_t kStudyCalendarLastDay = 100000000;

} // namespace vessant

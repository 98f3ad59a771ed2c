#pragma once
// The Hebrew-calendar facts the study cycles ask for, taken from the calendar core in the
// cheapest form a per-day computation needs: the day number of a Hebrew date and the
// Hebrew year of a day number. Nothing here allocates.

#include <array>
#include <cstdint>

namespace vessant {

// The days the calendar-bound cycles (Yerushalmi, Tanach) are worked out for: from
// 1 Tishrei 3762 (6 September of year 1), where the calendar's reach begins, to a day far
// beyond any date the program shows and well inside the range where the calendar's
// 32-bit arithmetic stays exact (about day number 530 000 000).
inline constexpr std::int32_t kStudyCalendarFirstDay = 1721674;
inline constexpr std::int32_t kStudyCalendarLastDay = 100000000;

// 1 Sunday ... 7 Shabbat, for day numbers from 7 on.
constexpr int WeekdayOfDay(std::int32_t jdn) { return (jdn - 6) % 7 + 1; }

// Day number of 1 Tishrei of a Hebrew year.
std::int32_t HebrewNewYearDay(std::int32_t hebrewYear);

// The Hebrew year a day falls in.
std::int32_t HebrewYearOfDay(std::int32_t jdn);

// One Hebrew year laid out as day numbers.
struct HEBREW_YEAR_FRAME {
    std::int32_t year = 0;
    std::int32_t newYearDay = 0; // day number of 1 Tishrei
    std::int32_t length = 0;     // 353-355 or 383-385 days
    bool leap = false;
    std::int32_t kind = 0;       // 1 regular, 2 deficient, 3 complete
    std::array<std::int32_t, 15> monthStart{}; // [month]: day number of its 1st; 0 when absent
};

HEBREW_YEAR_FRAME HebrewYearFrame(std::int32_t hebrewYear);

// Day number of a day of a month of the frame's year; the month must occur in that year.
constexpr std::int32_t DayOfHebrewDate(const HEBREW_YEAR_FRAME& frame, int month, int day) {
    return frame.monthStart[static_cast<std::size_t>(month)] + day - 1;
}

// Adar II in a leap year, Adar in a common year: the Adar of Purim.
constexpr int PurimAdar(const HEBREW_YEAR_FRAME& frame) { return frame.leap ? 7 : 14; }

} // namespace vessant

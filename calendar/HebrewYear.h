#pragma once
// A Hebrew year laid out as Julian day numbers: where it begins, how long it and its
// months are, and the year a day number falls in. For per-day work that wants day numbers
// rather than a whole DATE_STRUCT; nothing here allocates. Exact for years up to about
// 1 400 000 and day numbers up to about 500 000 000, where the 32-bit arithmetic of the
// conversions still holds.

#include <array>
#include <cstddef>
#include <cstdint>

namespace vessant {

// The kinds of Hebrew year, by the lengths of Cheshvan and Kislev.
inline constexpr int kYearInOrder = 1;   // Cheshvan 29, Kislev 30
inline constexpr int kYearDeficient = 2; // both 29
inline constexpr int kYearComplete = 3;  // both 30

struct HEBREW_YEAR_FRAME {
    std::int32_t year = 0;
    std::int32_t newYearDay = 0; // day number of 1 Tishrei
    std::int32_t length = 0;     // 353-355 or 383-385 days
    bool leap = false;
    std::int32_t kind = 0;       // kYearInOrder, kYearDeficient or kYearComplete
    std::array<std::int32_t, 15> monthStart{}; // [month]: day number of its 1st; 0 when absent
};

// Year 0, which has no months, gives a frame with only `year` set.
HEBREW_YEAR_FRAME HebrewYearFrame(std::int32_t hebrewYear);

// Day number of a day of a month of the frame's year; the month must occur in that year.
constexpr std::int32_t DayOfHebrewDate(const HEBREW_YEAR_FRAME& frame, int month, int day) {
    return frame.monthStart[static_cast<std::size_t>(month)] + day - 1;
}

// Days of a month (1..14) of a Hebrew year; 0 when the month does not occur in that year
// (Adar I and II in a common year, Adar in a leap year), for a month outside 1..14 and
// for year 0.
std::int32_t HebrewMonthDays(std::int32_t hebrewYear, int month);

// The Hebrew year a day falls in: the one whose 1 Tishrei is the last on or before it.
std::int32_t HebrewYearOfDay(std::int32_t dayNumber);

} // namespace vessant

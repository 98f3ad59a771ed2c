#pragma once
// The dual date record: one day held as a Hebrew date, a proleptic Gregorian date and a
// Julian day number at once, together with the month lengths of its Hebrew and civil
// years and the Gregorian transition in force. Copied by value wherever a date is kept.

#include <array>
#include <cstdint>

namespace vessant {

// Hebrew month numbers. A common year runs 1-5, 14, 8-13; a leap year 1-7, 8-13.
inline constexpr int kTishrei = 1;
inline constexpr int kCheshvan = 2;
inline constexpr int kKislev = 3;
inline constexpr int kTevet = 4;
inline constexpr int kShevat = 5;
inline constexpr int kAdarI = 6;  // leap years only
inline constexpr int kAdarII = 7; // leap years only
inline constexpr int kNisan = 8;
inline constexpr int kIyyar = 9;
inline constexpr int kSivan = 10;
inline constexpr int kTammuz = 11;
inline constexpr int kAv = 12;
inline constexpr int kElul = 13;
inline constexpr int kAdar = 14;  // common years only

// Day number of 1 January of year 1 in the Julian calendar; nothing steps below it.
inline constexpr std::int32_t kFirstDayNumber = 1721424;

// 44 signed 32-bit fields, in this order. Month-length arrays are indexed by month - 1:
// civMonthLength[0] is January, hebMonthLength[0] is Tishrei, hebMonthLength[13] is Adar.
struct DATE_STRUCT {
    std::int32_t hebYear = 0;       // anno mundi
    std::int32_t hebMonth = 0;      // [1, 14]
    std::int32_t hebDay = 0;        // [1, 30]
    std::int32_t hebYearLength = 0; // 353-355 or 383-385
    std::int32_t civYear = 0;       // proleptic Gregorian, no year 0 (-1 precedes 1)
    std::int32_t civMonth = 0;      // [1, 12]
    std::int32_t civDay = 0;        // [1, 31]
    std::int32_t dayNumber = 0;     // Julian day number
    std::int32_t flag = 0;          // 0 for every transition
    std::int32_t lastJulianDate = 0;      // yyyymmdd of the last Julian day
    std::int32_t lastJulianDayNumber = 0; // its day number
    std::int32_t transYear = 0;
    std::int32_t transMonth = 0;
    std::int32_t firstGregorianDay = 0; // first day of the transition month counted Gregorian
    std::int32_t lastJulianDay = 0;     // last day of the transition month counted Julian
    std::int32_t transHebYear = 0;      // Hebrew date of the first Gregorian day;
    std::int32_t transHebMonth = 0;     // informational only
    std::int32_t transHebDay = 0;
    std::array<std::int32_t, 12> civMonthLength{}; // January..December of civYear
    std::array<std::int32_t, 14> hebMonthLength{}; // months 1..14 of the Hebrew year in force; 0 = absent
};
static_assert(sizeof(DATE_STRUCT) == 44 * sizeof(std::int32_t));

// A date handed to display code. The first 32 bits, read as one integer, are
// month * 65536 + day on this (little-endian) platform; holidays and events are keyed by
// that number, which PackedMonthDay computes portably.
struct DATE_TRIPLE {
    std::int16_t day = 0;
    std::int16_t month = 0;
    std::int32_t year = 0;
};
static_assert(sizeof(DATE_TRIPLE) == 8);

constexpr std::int32_t PackedMonthDay(int month, int day) { return month * 65536 + day; }
constexpr std::int32_t PackedMonthDay(const DATE_TRIPLE& t) { return PackedMonthDay(t.month, t.day); }

} // namespace vessant

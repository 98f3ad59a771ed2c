#pragma once
// The fixed-date rules of the Hebrew year: which code a day of a month carries, under
// which condition and for which side of the Israel/Diaspora divide. The rows live in
// HolidayTable.cpp, one per line, grouped by month.

#include <cstdint>
#include <span>

namespace vessant {

enum class HolidayScope : std::int8_t {
    Both,
    Israel,
    Diaspora,
};

// What the day must satisfy besides its date. Weekdays are those of the day itself.
enum class HolidayCondition : std::int8_t {
    Always,
    Shabbat,
    NotShabbat,
    Sunday,
    Thursday,
    Friday,
    KislevOf30,          // this year's Kislev has 30 days
    KislevOf29,          // this year's Kislev has 29 days
    FromYear5727,        // Jerusalem Day exists from 5727
    Year3830,            // the year the Temple fell
    After3830NotShabbat,
    After3830Shabbat,
    After3830Sunday,
    HolocaustDay,        // the by-year rule of IsraeliDays.h
    MemorialDay,         // the by-year rule of IsraeliDays.h
    IndependenceDay,     // the by-year rule, only on a day without Memorial Day
};

// Whether the days of a row carry one code, or consecutive codes (Chanukah 1, 2, ...).
enum class CodeRun : std::int8_t {
    Same,
    Rising,
};

// One row: days firstDay..lastDay of `month` (a hebmonth number, or TheAdar /
// BeforeTheAdar) carry firstCode, or firstCode + (day - firstDay) for a rising run, with
// `value`, when the scope and the condition hold.
struct HOLIDAY_RULE {
    std::int8_t month;
    std::int8_t firstDay;
    std::int8_t lastDay;
    HolidayScope scope;
    HolidayCondition condition;
    std::int8_t firstCode;
    CodeRun run;
    std::int8_t value;
};

// Every row, in the order the rules are applied for a day (rows of one day keep their
// order in the day's list).
std::span<const HOLIDAY_RULE> HolidayRules();

// The rows whose month is `tableMonth` (a hebmonth number 1..16), in table order.
std::span<const HOLIDAY_RULE> HolidayRulesOfMonth(std::int32_t tableMonth);

} // namespace vessant

#pragma once
// The fixed-date rules of the Hebrew year: which code a day of a month carries, under
// which condition and for which side of the Israel/Diaspora divide; and which clock times
// each code carries. The rows live in HolidayTable.cpp, one per line.

#include "dayevents/DayEvents.h"

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
// BeforeTheAdar) carry firstCode, or firstCode + (day - firstDay) for a rising run, as a
// day of `kind`, when the scope and the condition hold.
struct HOLIDAY_RULE {
    std::int8_t month;
    std::int8_t firstDay;
    std::int8_t lastDay;
    HolidayScope scope;
    HolidayCondition condition;
    std::int8_t firstCode;
    CodeRun run;
    DayKind kind;
};

// Every row, in the order the rules are applied for a day (rows of one day keep their
// order in the day's list).
std::span<const HOLIDAY_RULE> HolidayRules();

// The rows whose month is `tableMonth` (a hebmonth number 1..16), in table order.
std::span<const HOLIDAY_RULE> HolidayRulesOfMonth(std::int32_t tableMonth);

// Which clock times a code carries; HolidayTimesOf turns this and the weekday into times.
enum class HolidayTiming : std::int8_t {
    None,
    FestivalDay,               // candle lighting and havdalah, as Shabbat around it allows
    SecondFestivalDay,         // the second of two festival days: havdalah
    DiasporaSecondFestivalDay, // the same, kept outside Israel only
    TishaBav,                  // sunset and nightfall
    Fast,                      // the fast's beginning and end
    FirstBornFast,             // the same, where the whole day is shown
    ChametzBurning,            // Erev Pesach's burning, done on Friday
    ChametzEatingAndBurning,   // Erev Pesach on a weekday
    ChametzEating,             // Erev Pesach on Shabbat
};

// The timing of day-event code `code`; None for a code without times or out of range.
HolidayTiming HolidayTimingOf(std::int32_t code);

} // namespace vessant

#pragma once
// The holidays, fasts and special days of one day, for Israel or the Diaspora, as a small
// fixed list that every presentation of a day reads (month table, day details, printed
// lists, export). Pure functions over plain integers; nothing here keeps state or
// allocates.

#include "calendar/DateStruct.h"

#include <cstdint>
#include <string>

namespace vessant {

inline constexpr int kDayEventSlots = 8;

// Day codes 1 to 95; the text of code c is string resource 300 + c.
inline constexpr int kFirstDayEventCode = 1;
inline constexpr int kLastDayEventCode = 95;
inline constexpr int kDayEventTextBase = 300;

// The kind of day an entry marks (its value), except for the Omer (code 94), whose value
// is the count 1 to 49.
enum DayKind : std::int32_t {
    kDayMention = 0,        // minor day, memorial, note
    kDayYomTov = 1,         // festival day on which work is forbidden
    kDayTishaBav = 2,       // the Tisha B'Av fast
    kDayMinorFast = 3,
    kDayCholHamoed = 4,     // Hoshanah Rabah included
    kDayIsruChag = 5,
    kDayErevPesach = 6,     // also the Friday before an Erev Pesach on Shabbat
    kDayMevarchimOn29 = 7,  // code 91 only: Rosh Chodesh is tomorrow
};

// Codes other modules key on.
inline constexpr std::int32_t kCodeOmer = 94;
inline constexpr std::int32_t kCodeShabbatMevarchim = 91;

struct DAY_EVENT {
    std::int32_t code = 0;  // 1 to 95; 0 marks an empty slot
    std::int32_t value = 0; // DayKind, or the Omer count for code 94
};

struct DAY_EVENTS {
    DAY_EVENT entries[kDayEventSlots] = {}; // filled from the first; the first code 0 ends the list
    std::int32_t jdn = 0;                   // the day, written last by BuildDayEvents
};

// Sets code and value of every slot to 0 (jdn is left alone).
void ClearDayEvents(DAY_EVENTS& list);

// Stores (code, value) in the first free slot. A pair beyond the eighth is dropped: no
// day under the rules reaches eight entries, so this is a guard only.
void AddDayEvent(DAY_EVENTS& list, std::int32_t code, std::int32_t value);

// The pair in slot 0 to 7; an index outside that range gives an empty pair.
DAY_EVENT GetDayEvent(const DAY_EVENTS& list, int index);

// Number of filled slots before the first empty one.
int DayEventCount(const DAY_EVENTS& list);

// Empties the list and fills it for one day. All inputs describe the same day, as a
// DATE_STRUCT holds it: the packed Hebrew date (month * 65536 + day) and Hebrew year, the
// packed civil date as the user sees it (Julian before the Gregorian transition) and its
// year, the Julian day number, the weekday (1 Sunday to 7 Shabbat), whether the place is
// outside Israel, and the civil year of the Gregorian transition in force (civil years
// before it are Julian). A Hebrew month outside 1..14 leaves the list empty.
void BuildDayEvents(DAY_EVENTS& list, std::int32_t hebrewPacked, std::int32_t hebrewYear,
                    std::int32_t civilPacked, std::int32_t civilYear, std::int32_t jdn,
                    std::int32_t weekday, bool diaspora, std::int32_t transitionYear);

// The same for the day a date record holds, under the record's own transition.
void BuildDayEvents(DAY_EVENTS& list, const DATE_STRUCT& date, bool diaspora);

// The Julian day number on which the holiday `code` falls in Hebrew year `year`, with its
// weekday move (the table of HolidayDate.cpp; no history by year). 0 for year 0 or a code
// the table does not list.
std::int32_t HolidayDate(std::int32_t year, std::int32_t code);

// The codes the year-details panel lists, in its order.
inline constexpr std::int32_t kYearDetailsHolidayCodes[] = {1,  3,  7,  9,  29, 37, 38, 42, 45,
                                                            52, 67, 69, 70, 72, 77, 81, 84};

// The display text of a code (string resource 300 + code); empty outside 1..95. Code 94
// holds a "%d" for the Omer count: see OmerText.
const std::wstring& DayEventText(std::int32_t code);

// "Day 12 of the Omer": the code-94 text with the count put in (a Hebrew numeral in the
// Hebrew interface).
std::wstring OmerText(std::int32_t count);

} // namespace vessant

#pragma once
// Yerushalmi yomi: one page of the Jerusalem Talmud a day, in cycles of 1554 pages
// counted from Julian day number 2444272. The cycle pauses on Yom Kippur and on the
// observed Tisha B'Av (9 Av, or Sunday 10 Av when 9 Av is Shabbat).

#include "dayevents/StudyPosition.h"

#include <cstdint>
#include <optional>

namespace vessant {

struct YERUSHALMI_YOMI {
    std::int32_t tractate; // 1 "Berachot" ... 39 "Nidah" (text: resource 537 + tractate); 0 none
    std::int32_t page;     // from 1
};

inline constexpr std::int32_t kYerushalmiYomiFirstDay = 2444272;

// True on Yom Kippur and on the observed Tisha B'Av.
bool IsYerushalmiSkipDay(std::int32_t jdn);

// The number of skip days d with from <= d < to (0 when to <= from), counted over the
// days from kStudyCalendarFirstDay to kStudyCalendarLastDay (StudyCalendar.h).
std::int32_t YerushalmiSkips(std::int32_t from, std::int32_t to);

// Day number of the first day of the cycle that a day falls in; for days before the
// first cycle, kYerushalmiYomiFirstDay; days after kStudyCalendarLastDay count as that day.
std::int32_t YerushalmiCycleStart(std::int32_t jdn);

// Cycle 1, 2, ... and page index [0, 1553] of a study day; nothing before the first
// cycle, on skip days and after kStudyCalendarLastDay (StudyCalendar.h).
std::optional<STUDY_POSITION> YerushalmiYomiPosition(std::int32_t jdn);

// The page of page index [0, 1553]; {0, 0} outside that range.
YERUSHALMI_YOMI YerushalmiYomiAtIndex(std::int32_t index);

// The page of a day; {0, 0} when YerushalmiYomiPosition gives nothing.
YERUSHALMI_YOMI YerushalmiYomi(std::int32_t jdn);

} // namespace vessant

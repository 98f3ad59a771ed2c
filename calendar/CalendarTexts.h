#pragma once
// Names of months and days, by the string-resource ids the string table files them under.
// Each returns the text of the loaded language; empty for a number out of range.

#include <string>

namespace vessant {

const std::wstring& HebrewMonthName(int month); // 1..14, numbered as in DATE_STRUCT
const std::wstring& CivilMonthName(int month);  // 1..12
const std::wstring& WeekdayName(int weekday);   // 1 "Sunday" ... 7 "Shabbat"
const std::wstring& NightName(int weekday);     // the night before: 1 "Saturday night" ... 7 "Friday night"
const std::wstring& ShortWeekdayName(int weekday); // 1 "Su " ... 7 "Sa " (trailing blank)

} // namespace vessant

#pragma once
// A user event: a birthday, anniversary, yahrzeit or one-time event fixed to one day and
// observed by its Hebrew date, its civil date or both.

#include <string>
#include <string_view>

namespace vessant {

// Event types; the display text of type t is string resource 290 + t.
inline constexpr int kEventBirthdayMale = 0;
inline constexpr int kEventBirthdayFemale = 1;
inline constexpr int kEventAnniversary = 2;
inline constexpr int kEventYahrzeitAshkenazi = 3;
inline constexpr int kEventYahrzeitMizrach = 4;
inline constexpr int kEventOneTime = 5;

// Which calendar an event recurs in (the cal field); 3 is both.
inline constexpr int kEventCalendarHebrew = 1;
inline constexpr int kEventCalendarCivil = 2;
inline constexpr int kEventCalendarBoth = 3;

// "Years" annotation codes beside a recurring event. Any other value is a count of years.
inline constexpr int kYearsNothing = 30000;      // shown as nothing (also: no recurrence)
inline constexpr int kYearsYahrzeit = 30001;     // string resource 409
inline constexpr int kYearsMitzvah = 30002;      // string resource 408 (Bar/Bat Mitzvah year)
inline constexpr int kYearsBornMale = 30003;     // string resource 410
inline constexpr int kYearsBornFemale = 30004;   // string resource 411

// The keys of an event's section in events.ini.
inline constexpr std::wstring_view kEventKeyJdn = L"jdn";
inline constexpr std::wstring_view kEventKeyType = L"type";
inline constexpr std::wstring_view kEventKeyCal = L"cal";
inline constexpr std::wstring_view kEventKeyDesc = L"desc";
inline constexpr std::wstring_view kEventKeyTitle = L"title";

struct EVENT_STRUCT {
    int jdn = 0;          // Julian day number of the event's own day
    int type = 0;         // kEventBirthdayMale .. kEventOneTime
    int cal = 0;          // kEventCalendarHebrew, kEventCalendarCivil or kEventCalendarBoth
    std::wstring title;   // never empty in a stored event
    std::wstring desc;
};

// The display text of an event type (string resource 290 + type); empty outside 0..5.
const std::wstring& EventTypeText(int type);

} // namespace vessant

#include "calendar/CalendarTexts.h"

#include "text/TextTable.h"

namespace vessant {

const std::wstring& HebrewMonthName(int month) { return NumberedResourceText(160, month, 14); }
const std::wstring& CivilMonthName(int month) { return NumberedResourceText(148, month, 12); }
const std::wstring& WeekdayName(int weekday) { return NumberedResourceText(128, weekday, 7); }
const std::wstring& NightName(int weekday) { return NumberedResourceText(886, weekday, 7); }
const std::wstring& ShortWeekdayName(int weekday) { return NumberedResourceText(957, weekday, 7); }

} // namespace vessant

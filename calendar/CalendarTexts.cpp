#include "calendar/CalendarTexts.h"

#include "text/TextTable.h"

namespace vessant {
namespace {

const std::wstring kNone;

const std::wstring& Name(int resourceBase, int index, int count) {
    if (index < 1 || index > count)
        return kNone;
    return TextOfResource(resourceBase + index);
}

} // namespace

const std::wstring& HebrewMonthName(int month) { return Name(160, month, 14); }
const std::wstring& CivilMonthName(int month) { return Name(148, month, 12); }
const std::wstring& WeekdayName(int weekday) { return Name(128, weekday, 7); }
const std::wstring& NightName(int weekday) { return Name(886, weekday, 7); }
const std::wstring& ShortWeekdayName(int weekday) { return Name(957, weekday, 7); }

} // namespace vessant

#include "calendar/DateText.h"

#include "calendar/CalendarTexts.h"
#include "calendar/DateOperations.h"
#include "calendar/HebrewNumeral.h"
#include "calendar/TextTemplate.h"
#include "text/Language.h"

namespace vessant {

std::wstring FormatHebrewDate(int day, int month, int year, bool hebrewInterface) {
    if (hebrewInterface)
        return FormatTemplate(L"%s %s %s", {HebrewNumeral(day), HebrewMonthName(month), HebrewNumeral(year)});
    return FormatTemplate(L"%d %s %d", {day, HebrewMonthName(month), year});
}

std::wstring FormatHebrewDate(int day, int month, int year) {
    return FormatHebrewDate(day, month, year, IsHebrewInterface());
}

std::wstring FormatHebrewDate(const DATE_STRUCT& date) {
    return FormatHebrewDate(date.hebDay, date.hebMonth, date.hebYear);
}

std::wstring FormatCivilDate(int day, int month, int year) {
    return FormatTemplate(L"%d %s %d", {day, CivilMonthName(month), year});
}

std::wstring FormatCivilDate(const DATE_STRUCT& date) {
    const DATE_TRIPLE shown = CivilDateForDisplay(date);
    return FormatCivilDate(shown.day, shown.month, shown.year);
}

} // namespace vessant

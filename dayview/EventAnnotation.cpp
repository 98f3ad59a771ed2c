#include "dayview/EventAnnotation.h"

#include "dayview/DayTextIds.h"
#include "text/TextTable.h"

namespace vessant {

std::wstring EventCountText(const EVENT_OCCURRENCE& event, CountForm form) {
    switch (event.years) {
    case kYearsNothing: return {};
    case kYearsYahrzeit: return TextOfResource(kIdYahrzeitYear);
    case kYearsMitzvah: return TextOfResource(kIdMitzvahYear);
    case kYearsBornMale: return TextOfResource(kIdBornMale);
    case kYearsBornFemale: return TextOfResource(kIdBornFemale);
    default: break;
    }
    const bool hebrewRule = event.matchedCal == kEventCalendarHebrew;
    const bool civilRule = event.matchedCal == kEventCalendarCivil;
    if (form == CountForm::Cell) {
        std::wstring text = std::to_wstring(event.years);
        if (hebrewRule)
            text += TextOfResource(kIdHebrewYearsLetter);
        else if (civilRule)
            text += TextOfResource(kIdCivilYearsLetter);
        return text;
    }
    const std::wstring word = hebrewRule  ? TextOfResource(kIdHebrewYears)
                              : civilRule ? TextOfResource(kIdCivilYears)
                                          : std::wstring();
    return L"(" + std::to_wstring(event.years) + L" " + word + L")";
}

std::wstring EventKindText(const EVENT_OCCURRENCE& event) {
    const bool yahrzeit = event.type == kEventYahrzeitAshkenazi || event.type == kEventYahrzeitMizrach;
    const bool keptByHebrewDate = event.cal == kEventCalendarHebrew || event.cal == kEventCalendarBoth;
    if (event.type <= kEventAnniversary || (yahrzeit && keptByHebrewDate))
        return EventTypeText(event.type);
    return {};
}

} // namespace vessant

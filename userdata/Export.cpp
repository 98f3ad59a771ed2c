#include "userdata/Export.h"

#include "calendar/DateOperations.h"
#include "locations/LocationCoordinates.h"
#include "text/TextTable.h"

namespace vessant {

CExport::CExport(int clockFormat) : clockFormat_(clockFormat) {
    eventTexts_.reserve(kDayEventSlots);
}

void CExport::SetLocation(const LOC_STRUCT& location) {
    city_ = location.city;
    country_ = location.country;
    diaspora_ = location.diaspora != 0;
    const LOCATION_COORDINATES c = LocationCoordinates(location);
    longitude_ = c.longitude;
    latitude_ = c.latitude;
    zone_ = c.zoneOffsetTenths;
    dstRule_ = c.dstRule;
    shita_ = c.shita;
    candleLighting_ = location.candleLighting;
    SetupZmanimTable(zmanimTable_, longitude_, latitude_, zone_, dstRule_);
}

void CExport::PortionTexts(std::wstring& portionText, std::wstring& specialText) {
    portionText.clear();
    specialText.clear();
    portion_ = WeeklyPortion(PackedMonthDay(date_.hebMonth, date_.hebDay), date_.hebYear, diaspora_);
    if (portion_.first > 0) {
        portionText = PortionName(portion_.first);
        if (portion_.second != 0) {
            portionText += L'-';
            portionText += PortionName(portion_.second);
        }
    }
    if (portion_.special != 0)
        specialText = TextOfResource(kSpecialShabbatTextBase + portion_.special);
}

void CExport::EventTexts() {
    eventTexts_.clear();
    BuildDayEvents(dayEvents_, date_, diaspora_);
    for (int i = 0; i < kDayEventSlots; ++i) {
        const DAY_EVENT entry = GetDayEvent(dayEvents_, i);
        if (entry.code == 0)
            break;
        if (entry.code == kCodeOmer)
            eventTexts_.push_back(OmerText(entry.value));
        else
            eventTexts_.push_back(TextOfResource(kDayEventTextBase + entry.code));
    }
}

bool CivilYearSpan(const DATE_STRUCT& date, CIVIL_YEAR_SPAN& span) {
    const int year = CivilDateForDisplay(date).year;
    if (year < 1)
        return false;
    DATE_STRUCT first = date;
    DATE_STRUCT next = date;
    if (!SetCivilDate(first, year, 1, 1) || !SetCivilDate(next, year + 1, 1, 1))
        return false;
    span.year = year;
    span.firstDay = first.dayNumber;
    span.endDay = next.dayNumber;
    return span.endDay > span.firstDay;
}

} // namespace vessant

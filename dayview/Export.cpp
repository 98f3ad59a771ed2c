#include "dayview/Export.h"

#include "calendar/DateOperations.h"
#include "locations/LocationCoordinates.h"

namespace vessant {

CExport::CExport(int clockFormat) : clockFormat_(clockFormat) {}

void CExport::SetInputs(const DAY_INPUTS& inputs) {
    hebrewInterface_ = inputs.hebrewInterface;
    // The export names no events and no zmanim of a shita: its 48 zmanim are a table of
    // their own.
    DAY_INPUTS exported = inputs;
    exported.events = nullptr;
    days_.emplace(exported, TimesView::WholeDay);
    const LOCATION_COORDINATES c = LocationCoordinates(inputs.location);
    SetupZmanimTable(zmanimTable_, c.longitude, c.latitude, c.zoneOffsetTenths, c.dstRule);
}

const DAY_FACTS& CExport::DayFacts(const DATE_STRUCT& date) {
    if (!days_)
        SetInputs(DAY_INPUTS{});
    days_->Build(date, kExportParts, day_);
    return day_;
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

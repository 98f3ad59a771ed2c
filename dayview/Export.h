#pragma once
// The year export: the base of the exporters, which walks one civil year day by day and
// takes for each day the facts the export writes (holidays, the Shabbat portion, the
// study portions) from the day model. A derived exporter decides how the year is written
// (ExportCsv.h).

#include "calendar/DateStruct.h"
#include "dayview/DayBuilder.h"
#include "dayview/DayFacts.h"
#include "dayview/DayInputs.h"
#include "zmanim/ZmanimTable.h"

#include <cstdint>
#include <optional>
#include <system_error>

namespace vessant {

class CExport {
public:
    // clockFormat is the "Clock Format" setting at the time the exporter is made: 12
    // writes 12-hour clock times, any other value 24-hour ones.
    explicit CExport(int clockFormat);
    virtual ~CExport() = default;

    // The location, and the choices the days are told with; sets up the zmanim table for
    // the location.
    void SetInputs(const DAY_INPUTS& inputs);

    // Writes the civil year (as the user sees it) that contains `date`; the record's
    // Gregorian transition decides which days that year has. Returns what went wrong, or
    // nothing on success.
    virtual std::error_code ExportYear(const DATE_STRUCT& date) = 0;

    // The facts the export writes for one day. Valid until the next call.
    const DAY_FACTS& DayFacts(const DATE_STRUCT& date);

    int clockFormat() const { return clockFormat_; }

protected:
    static constexpr unsigned kExportParts = kDayHolidays | kDayShabbat | kDayStudy;

    int clockFormat_ = 12;
    bool hebrewInterface_ = false;
    ZMANIM_TABLE zmanimTable_;
    std::optional<CDayBuilder> days_;
    DAY_FACTS day_;
};

// The civil year of a date as the user sees it, and the day numbers of its first day and
// of the first day of the next year: exactly the days 1 January to 31 December, however
// many the Gregorian transition leaves (1752 under the UK transition has 355).
struct CIVIL_YEAR_SPAN {
    int year = 0;
    std::int32_t firstDay = 0; // day number of 1 January
    std::int32_t endDay = 0;   // day number of 1 January of the next year
    int Days() const { return endDay - firstDay; }
};

// False when the year cannot be walked: before year 1, where the calendar stops.
bool CivilYearSpan(const DATE_STRUCT& date, CIVIL_YEAR_SPAN& span);

} // namespace vessant

#pragma once
// The year export: the base of the exporters, which walks one civil year day by day and
// gathers for each day the texts of its portion, special Shabbat and holidays for the
// export location. A derived exporter decides how the year is written (ExportCsv.h).

#include "calendar/DateStruct.h"
#include "dayevents/DayEvents.h"
#include "dayevents/WeeklyPortion.h"
#include "locations/LocationStruct.h"
#include "zmanim/ZmanimTable.h"

#include <cstdint>
#include <string>
#include <system_error>
#include <vector>

namespace vessant {

class CExport {
public:
    // clockFormat is the "Clock Format" setting at the time the exporter is made: 12
    // writes 12-hour clock times, any other value 24-hour ones.
    explicit CExport(int clockFormat);
    virtual ~CExport() = default;

    // Copies the location's names, Israel/Diaspora flag and computation values, and sets
    // up the zmanim table for it.
    void SetLocation(const LOC_STRUCT& location);

    // Writes the civil year (as the user sees it) that contains `date`; the record's
    // Gregorian transition decides which days that year has. Returns what went wrong, or
    // nothing on success.
    virtual std::error_code ExportYear(const DATE_STRUCT& date) = 0;

    // The weekly portion ("Vayakhel-Pekudei") and the special Shabbat of the current day,
    // each empty when there is none. Meant for Shabbat days.
    void PortionTexts(std::wstring& portionText, std::wstring& specialText);

    // Rebuilds eventTexts() for the current day: one text per holiday entry, at most eight.
    void EventTexts();

    const DATE_STRUCT& CurrentDate() const { return date_; }
    void SetCurrentDate(const DATE_STRUCT& date) { date_ = date; }
    const std::vector<std::wstring>& eventTexts() const { return eventTexts_; }
    int clockFormat() const { return clockFormat_; }

protected:
    DATE_STRUCT date_;          // the day being written
    std::wstring city_;
    std::wstring country_;
    bool diaspora_ = false;
    double longitude_ = 0.0;    // degrees, east positive
    double latitude_ = 0.0;     // degrees, north positive
    int zone_ = 0;              // tenths of an hour
    int dstRule_ = 0;
    int shita_ = 0;
    int candleLighting_ = 0;
    int clockFormat_ = 12;
    ZMANIM_TABLE zmanimTable_;
    PORTION_INFO portion_;
    DAY_EVENTS dayEvents_;
    std::vector<std::wstring> eventTexts_;
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

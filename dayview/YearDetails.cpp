#include "dayview/YearDetails.h"

#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"
#include "dayevents/DayEvents.h"

namespace vessant {

YEAR_DETAILS BuildYearDetails(int hebrewYear, int transition) {
    YEAR_DETAILS out;
    out.year = hebrewYear;
    out.creationText = CreationText(hebrewYear);
    out.type = HebrewYearType(hebrewYear);
    out.typeText = HebrewYearTypeText(hebrewYear);
    out.leap = IsHebrewLeapYear(hebrewYear);
    out.leapText = LeapYearText(hebrewYear);
    out.lunar = LunarCycle(hebrewYear);
    out.lunarText = LunarCycleText(hebrewYear);
    out.solar = SolarCycle(hebrewYear);
    out.solarText = SolarCycleText(hebrewYear);
    out.shmita = ShmitaClass(hebrewYear);
    out.shmitaText = ShmitaClassText(hebrewYear);
    out.shmitaCycleText = ShmitaCycleText(hebrewYear);
    for (std::size_t i = 0; i < kYearEpochs.size(); ++i)
        out.epochs[i] = YearsSinceEpoch(hebrewYear, kYearEpochs[i]);
    for (const std::int32_t code : kYearDetailsHolidayCodes) {
        const std::int32_t jdn = HolidayDate(hebrewYear, code);
        if (jdn == 0)
            continue;
        YEAR_FIXED_DAY day;
        day.code = code;
        day.name = DayEventText(code);
        SetTransition(day.date, transition);
        SetDayNumber(day.date, jdn);
        out.fixedDays.push_back(std::move(day));
    }
    return out;
}

} // namespace vessant

#include "dayview/HolidayClock.h"

#include "dayview/DayTextIds.h"
#include "zmanim/Zmanim.h"

namespace vessant {

std::int32_t HolidayTimeDay(HolidayTime time, std::int32_t jdn, TimesView view) {
    if (time == HolidayTime::Sunset && view == TimesView::WholeDay)
        return jdn - 1;
    return jdn;
}

CLOCK_TIME ZmanOfHolidayTime(const ZMANIM_STRUCT& z, int candleLighting, HolidayTime time) {
    switch (time) {
    case HolidayTime::CandleLighting: return GetCandleLighting(z, candleLighting);
    case HolidayTime::Havdalah: return GetTzeitShabbat(z);
    case HolidayTime::Sunset: return GetShkia(z);
    case HolidayTime::Nightfall: return GetTzeit(z);
    case HolidayTime::FastBegins: return GetTchilatTaanit(z);
    case HolidayTime::FastEnds: return GetSofTaanit(z);
    case HolidayTime::LatestChametzEating: return GetLatestChametzEating(z);
    case HolidayTime::LatestChametzBurning: return GetLatestChametzBurning(z);
    }
    return {};
}

HOLIDAY_TIME_LABEL HolidayTimeLabel(HolidayTime time) {
    switch (time) {
    case HolidayTime::CandleLighting: return {"candleLighting", kIdCandleLighting};
    case HolidayTime::Havdalah: return {"havdalah", kIdHavdalah};
    case HolidayTime::Sunset: return {"fastBegins", kIdBeginTishaBav};
    case HolidayTime::Nightfall: return {"fastEnds", kIdEndTishaBav};
    case HolidayTime::FastBegins: return {"fastBegins", kIdBeginFast};
    case HolidayTime::FastEnds: return {"fastEnds", kIdEndFast};
    case HolidayTime::LatestChametzEating: return {"latestChametzEating", kIdLatestChametzEating};
    case HolidayTime::LatestChametzBurning: return {"latestChametzBurning", kIdLatestChametzBurning};
    }
    return {"", 0};
}

} // namespace vessant

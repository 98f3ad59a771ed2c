#include "dayevents/HolidayTimes.h"

#include "calendar/Weekday.h"
#include "dayevents/detail/HolidayTable.h"

namespace vessant {
namespace {

HOLIDAY_TIMES One(HolidayTime first, int count = 1) {
    HOLIDAY_TIMES times;
    times.count = count;
    times.time[0] = first;
    return times;
}

HOLIDAY_TIMES Two(HolidayTime first, HolidayTime second) {
    HOLIDAY_TIMES times;
    times.count = 2;
    times.time[0] = first;
    times.time[1] = second;
    return times;
}

// No candles on Shabbat, none before Sunday's festival (Shabbat ends into it), no havdalah
// when Shabbat follows.
HOLIDAY_TIMES FestivalDayTimes(int weekday) {
    if (weekday == kShabbat)
        return {};
    if (weekday == kFriday)
        return One(HolidayTime::CandleLighting, -1);
    if (weekday == kSunday)
        return One(HolidayTime::Havdalah);
    return Two(HolidayTime::CandleLighting, HolidayTime::Havdalah);
}

// On Shabbat the candles of Shabbat too; nothing when Shabbat follows.
HOLIDAY_TIMES SecondFestivalDayTimes(int weekday) {
    if (weekday == kShabbat)
        return Two(HolidayTime::CandleLighting, HolidayTime::Havdalah);
    if (weekday == kFriday)
        return {};
    return One(HolidayTime::Havdalah);
}

} // namespace

HOLIDAY_TIMES HolidayTimesOf(int code, int weekday, bool diaspora, bool firstBornFastTimes) {
    switch (HolidayTimingOf(code)) {
    case HolidayTiming::None:
        return {};
    case HolidayTiming::FestivalDay:
        return FestivalDayTimes(weekday);
    case HolidayTiming::DiasporaSecondFestivalDay:
        return diaspora ? SecondFestivalDayTimes(weekday) : HOLIDAY_TIMES{};
    case HolidayTiming::SecondFestivalDay:
        return SecondFestivalDayTimes(weekday);
    case HolidayTiming::TishaBav:
        return Two(HolidayTime::Sunset, HolidayTime::Nightfall);
    case HolidayTiming::FirstBornFast:
        return firstBornFastTimes ? Two(HolidayTime::FastBegins, HolidayTime::FastEnds) : HOLIDAY_TIMES{};
    case HolidayTiming::Fast:
        return Two(HolidayTime::FastBegins, HolidayTime::FastEnds);
    case HolidayTiming::ChametzBurning:
        return One(HolidayTime::LatestChametzBurning);
    case HolidayTiming::ChametzEatingAndBurning:
        return Two(HolidayTime::LatestChametzEating, HolidayTime::LatestChametzBurning);
    case HolidayTiming::ChametzEating:
        return One(HolidayTime::LatestChametzEating);
    }
    return {};
}

} // namespace vessant

#include "dayevents/HolidayTimes.h"

#include "calendar/Weekday.h"

#include <algorithm>
#include <initializer_list>

namespace vessant {
namespace {

bool Member(int code, std::initializer_list<int> set) {
    return std::find(set.begin(), set.end(), code) != set.end();
}

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

} // namespace

HOLIDAY_TIMES HolidayTimesOf(int code, int weekday, bool diaspora, bool firstBornFastTimes) {
    // Eves of festivals: no candles on Shabbat, none before Sunday's festival (Shabbat ends
    // into it), no havdalah when Shabbat follows.
    if (Member(code, {1, 7, 9, 10, 18, 20, 52, 53, 60, 62, 72, 74})) {
        if (weekday == kShabbat)
            return {};
        if (weekday == kFriday)
            return One(HolidayTime::CandleLighting, -1);
        if (weekday == kSunday)
            return One(HolidayTime::Havdalah);
        return Two(HolidayTime::CandleLighting, HolidayTime::Havdalah);
    }
    // Last festival days: on Shabbat the candles of Shabbat too; none when Shabbat follows.
    if (code == 2 || (diaspora && Member(code, {11, 21, 54, 63, 75}))) {
        if (weekday == kShabbat)
            return Two(HolidayTime::CandleLighting, HolidayTime::Havdalah);
        if (weekday == kFriday)
            return {};
        return One(HolidayTime::Havdalah);
    }
    if (code == 81 || code == 83)
        return Two(HolidayTime::Sunset, HolidayTime::Nightfall);
    if (Member(code, {3, 5, 23, 24, 25, 26, 37, 42, 44, 77, 79}) ||
        (firstBornFastTimes && (code == 50 || code == 51)))
        return Two(HolidayTime::FastBegins, HolidayTime::FastEnds);
    if (code == 47)
        return One(HolidayTime::LatestChametzBurning);
    if (code == 48)
        return Two(HolidayTime::LatestChametzEating, HolidayTime::LatestChametzBurning);
    if (code == 49)
        return One(HolidayTime::LatestChametzEating);
    return {};
}

} // namespace vessant

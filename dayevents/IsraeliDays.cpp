#include "IsraeliDays.h"

#include "calendar/Weekday.h"

namespace vessant {
namespace {

bool MemorialDayLine(std::int32_t year, std::int32_t day, std::int32_t weekday) {
    const bool wednesdayBefore = (day == 2 || day == 3) && weekday == kWednesday;
    if (year >= 5764) // kept off Sunday too, so that its eve is not a Shabbat
        return wednesdayBefore || (day == 4 && weekday != kSunday && weekday != kThursday && weekday != kFriday) ||
               (day == 5 && weekday == kMonday);
    if (year >= 5715)
        return wednesdayBefore || (day == 4 && weekday != kThursday && weekday != kFriday);
    if (year >= 5710 && year <= 5713)
        return day == 4;
    if (year == 5714)
        return day == 2;
    return false;
}

bool IndependenceLine(std::int32_t year, std::int32_t day, std::int32_t weekday) {
    const bool thursdayBefore = (day == 3 || day == 4) && weekday == kThursday;
    if (year == 5714)
        return day == 3 || day == 5;
    if (year >= 5764)
        return thursdayBefore || (day == 6 && weekday == kTuesday) ||
               (day == 5 && weekday != kMonday && weekday != kFriday && weekday != kShabbat);
    if (year >= 5715)
        return thursdayBefore || (day == 5 && weekday != kFriday && weekday != kShabbat);
    if (year >= 5708 && year <= 5713)
        return day == 5;
    return false;
}

} // namespace

bool IsHolocaustDay(std::int32_t year, std::int32_t nisanDay, std::int32_t weekday) {
    if (year < 5710)
        return false;
    const bool thursdayBefore = nisanDay == 26 && weekday == kThursday;
    if (year <= 5756)
        return (nisanDay == 27 && weekday != kFriday) || thursdayBefore;
    return (nisanDay == 27 && weekday != kFriday && weekday != kSunday) || thursdayBefore ||
           (nisanDay == 28 && weekday == kMonday);
}

bool IsMemorialDay(std::int32_t year, std::int32_t iyarDay, std::int32_t weekday) {
    return MemorialDayLine(year, iyarDay, weekday);
}

bool IsIndependenceDay(std::int32_t year, std::int32_t iyarDay, std::int32_t weekday) {
    return !MemorialDayLine(year, iyarDay, weekday) && IndependenceLine(year, iyarDay, weekday);
}

} // namespace vessant

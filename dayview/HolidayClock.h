#pragma once
// The clock times that go with a holiday, taken from the zmanim: which zman each holiday
// time is, which day's zmanim it is read from, and how views label it.

#include "dayevents/HolidayTimes.h"
#include "zmanim/ClockConversion.h"
#include "zmanim/ZmanimStruct.h"

#include <cstdint>

namespace vessant {

// How much of the day a view shows. A view of the whole day (the day report, the details
// panel) labels each time and gives the fast of the first-born its times; a month cell
// has room for the times alone.
enum class TimesView { MonthCell, WholeDay };

// Whether the view gives the fast of the first-born its beginning and end.
inline bool FirstBornFastTimed(TimesView view) { return view == TimesView::WholeDay; }

// The civil day whose zmanim give a holiday time of day `jdn`. Tisha B'Av begins at the
// sunset before its day, and a view of the whole day says so under "Begin fast"; a month
// cell shows, unlabelled, the sunset and nightfall of the cell's own day, as the printed
// month always has. Every other time is read from the day itself (candle lighting
// already looks back to the evening before by its own rule).
std::int32_t HolidayTimeDay(HolidayTime time, std::int32_t jdn, TimesView view);

// The zman a holiday time is, from a zmanim record computed for HolidayTimeDay.
// candleLighting is the location's candle-lighting choice.
CLOCK_TIME ZmanOfHolidayTime(const ZMANIM_STRUCT& zmanim, int candleLighting, HolidayTime time);

// The key scripts read (JSON) and the string resource of the label a reader sees.
struct HOLIDAY_TIME_LABEL {
    const char* key;
    int labelId;
};
HOLIDAY_TIME_LABEL HolidayTimeLabel(HolidayTime time);

} // namespace vessant

#pragma once
// Which clock times go with a holiday on a given weekday: candle lighting and havdalah for
// festivals, the beginning and end of fasts, sunset and nightfall of Tisha B'Av, the
// latest times for chametz. The zmanim themselves come from the caller's calculator.

#include <cstdint>

namespace vessant {

enum class HolidayTime {
    CandleLighting,
    Havdalah,
    Sunset,
    Nightfall,
    FastBegins,
    FastEnds,
    LatestChametzEating,
    LatestChametzBurning,
};

struct HOLIDAY_TIMES {
    // 0 to 2 times; -1 is one time (candle lighting on a Friday festival eve), drawn like 1.
    int count = 0;
    HolidayTime time[2] = {HolidayTime::CandleLighting, HolidayTime::CandleLighting};
};

// The times of day-event code `code` on `weekday` (1 Sunday ... 7 Shabbat), by the code's
// timing in the holiday table. The second festival days of the Diaspora have times only in
// the Diaspora. The fast of the first-born gets the fast's times where the whole day is
// shown (firstBornFastTimes); a month cell has no room for them.
HOLIDAY_TIMES HolidayTimesOf(int code, int weekday, bool diaspora, bool firstBornFastTimes = false);

} // namespace vessant

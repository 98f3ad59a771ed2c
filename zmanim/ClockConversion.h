#pragma once
// Turning a UT time of the zmanim into a local clock time or a duration into h:m:s. Each
// zman has a fixed mode: most are rounded to the nearest minute, the latest times (Shema,
// prayer, chametz, candle lighting) are truncated so they are never shown late.

namespace vessant {

enum class ClockMode { Nearest, Truncate };

struct CLOCK_TIME {
    int hour = 0;   // [0, 23]
    int minute = 0; // [0, 59]
};

struct DURATION_HMS {
    int hours = 0;
    int minutes = 0; // [0, 59]
    int seconds = 0; // [0, 59]
};

// utHours + zone + one hour when dstActive; a negative result is moved into the day once,
// an hour past 23 wraps once (the date never changes). Nearest rounds 31 seconds and more up.
CLOCK_TIME ToLocalClock(double utHours, double timeZoneTenths, int dstActive, ClockMode mode);

// Local hours before any wrapping: utHours + zone + daylight saving.
double LocalHours(double utHours, double timeZoneTenths, int dstActive);

// Hours, minutes and seconds of a length of time, seconds truncated; hours past 23 lose 24.
DURATION_HMS ToDuration(double hours);

} // namespace vessant

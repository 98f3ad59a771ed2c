#include "zmanim/ClockConversion.h"

namespace vessant {

double LocalHours(double utHours, double timeZoneTenths, int dstActive) {
    return utHours + timeZoneTenths / 10.0 + static_cast<double>(dstActive);
}

CLOCK_TIME ToLocalClock(double utHours, double timeZoneTenths, int dstActive, ClockMode mode) {
    double local = LocalHours(utHours, timeZoneTenths, dstActive);
    if (local < 0.0) local += 24.0;
    CLOCK_TIME out;
    out.hour = static_cast<int>(local);
    const int seconds = static_cast<int>((local - out.hour) * 3600.0);
    out.minute = seconds / 60;
    const int remainder = seconds - out.minute * 60;
    if (mode == ClockMode::Nearest && remainder > 30) {
        ++out.minute;
        if (out.minute == 60) {
            out.minute = 0;
            ++out.hour;
        }
    }
    if (out.hour > 23) out.hour -= 24;
    return out;
}

DURATION_HMS ToDuration(double hours) {
    DURATION_HMS out;
    out.hours = static_cast<int>(hours);
    const int seconds = static_cast<int>((hours - out.hours) * 3600.0);
    out.minutes = seconds / 60;
    out.seconds = seconds % 60;
    if (out.hours > 23) out.hours -= 24;
    return out;
}

} // namespace vessant

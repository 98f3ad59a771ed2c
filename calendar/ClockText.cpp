#include "calendar/ClockText.h"

#include "calendar/TextTemplate.h"

namespace vessant {

namespace {

// The two clock texts differ only in how the hour is padded.
struct CLOCK_FORMATS {
    const wchar_t* hours24;
    const wchar_t* morning; // 12-hour clock, hours 0-11
    const wchar_t* evening; // 12-hour clock, hours 12-23
};

std::wstring ClockText(int hour, int minute, int clockFormat, const CLOCK_FORMATS& formats) {
    if (clockFormat != kClock12)
        return FormatTemplate(formats.hours24, {hour, minute});
    // Midnight's hour is 12 and noon stays 12; the afternoon counts from 1 again.
    const int hour12 = hour == 0 ? 12 : hour > 12 ? hour - 12 : hour;
    return FormatTemplate(hour < 12 ? formats.morning : formats.evening, {hour12, minute});
}

} // namespace

std::wstring FormatClockTime(int hour, int minute, int clockFormat) {
    return ClockText(hour, minute, clockFormat, {L"%2d:%02d", L"%d:%02da", L"%d:%02dp"});
}

std::wstring FormatClockTimePadded(int hour, int minute, int clockFormat) {
    return ClockText(hour, minute, clockFormat, {L"%02d:%02d", L"%02d:%02da", L"%02d:%02dp"});
}

std::wstring FormatDuration(int hours, int minutes, int seconds) {
    return FormatTemplate(L"%d:%02d:%02d", {hours, minutes, seconds});
}

} // namespace vessant

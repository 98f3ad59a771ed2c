#include "calendar/ClockText.h"

#include "calendar/TextTemplate.h"

namespace vessant {

std::wstring FormatClockTime(int hour, int minute, int clockFormat) {
    if (clockFormat != kClock12)
        return FormatTemplate(L"%2d:%02d", {hour, minute});
    if (hour == 0)
        return FormatTemplate(L"12:%02da", {minute});
    if (hour < 12)
        return FormatTemplate(L"%d:%02da", {hour, minute});
    if (hour == 12)
        return FormatTemplate(L"%d:%02dp", {hour, minute});
    return FormatTemplate(L"%d:%02dp", {hour - 12, minute});
}

std::wstring FormatClockTimePadded(int hour, int minute, int clockFormat) {
    if (clockFormat != kClock12)
        return FormatTemplate(L"%02d:%02d", {hour, minute});
    if (hour == 0)
        return FormatTemplate(L"12:%02da", {minute});
    if (hour < 12)
        return FormatTemplate(L"%02d:%02da", {hour, minute});
    if (hour == 12)
        return FormatTemplate(L"%02d:%02dp", {hour, minute});
    return FormatTemplate(L"%02d:%02dp", {hour - 12, minute});
}

std::wstring FormatDuration(int hours, int minutes, int seconds) {
    return FormatTemplate(L"%d:%02d:%02d", {hours, minutes, seconds});
}

} // namespace vessant

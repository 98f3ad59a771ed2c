#include "calendar/ClockText.h"

namespace vessant {

namespace {

// Fills a ClockTextBuffer the way FormatTemplate fills "%d", "%2d" and "%02d" (a negative
// number zero-padded keeps its sign in front), without its parsing and allocations.
class CClockTextWriter {
public:
    explicit CClockTextWriter(ClockTextBuffer& buffer) : buffer_(buffer) {}

    CClockTextWriter& Char(wchar_t c) {
        buffer_[length_++] = c;
        return *this;
    }

    CClockTextWriter& Number(int value, int width = 0, bool zeroPad = false) {
        if (value >= 0 && value < 100 && width <= 2) // every field of a clock, quickly
            return SmallNumber(value, width, zeroPad);
        // Digits from the right, in a long long so that the smallest int negates.
        wchar_t digits[12];
        int count = 0;
        long long magnitude = value < 0 ? -static_cast<long long>(value) : value;
        do {
            digits[count++] = static_cast<wchar_t>(L'0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        const int length = count + (value < 0 ? 1 : 0);
        const int padding = width > length ? width - length : 0;
        if (value < 0 && zeroPad)
            Char(L'-');
        for (int i = 0; i < padding; ++i)
            Char(zeroPad ? L'0' : L' ');
        if (value < 0 && !zeroPad)
            Char(L'-');
        while (count > 0)
            Char(digits[--count]);
        return *this;
    }

    std::wstring_view View() const { return {buffer_.data(), length_}; }

private:
    // value [0, 99], width [0, 2].
    CClockTextWriter& SmallNumber(int value, int width, bool zeroPad) {
        if (value >= 10)
            Char(static_cast<wchar_t>(L'0' + value / 10));
        else if (width == 2)
            Char(zeroPad ? L'0' : L' ');
        return Char(static_cast<wchar_t>(L'0' + value % 10));
    }

    ClockTextBuffer& buffer_;
    std::size_t length_ = 0;
};

constexpr int kTwoDigits = 2;

// Midnight's hour is 12 and noon stays 12; the afternoon counts from 1 again.
int Hour12(int hour) { return hour == 0 ? 12 : hour > 12 ? hour - 12 : hour; }

// The two clock texts differ only in how the hour is padded: hourWidth with blanks in the
// 24-hour text, hourWidth with zeros in both when zeroPadHour.
std::wstring_view WriteClockTime(ClockTextBuffer& buffer, int hour, int minute, int clockFormat, int hourWidth,
                                 bool zeroPadHour) {
    CClockTextWriter writer(buffer);
    if (clockFormat != kClock12)
        return writer.Number(hour, hourWidth, zeroPadHour).Char(L':').Number(minute, kTwoDigits, true).View();
    return writer.Number(Hour12(hour), zeroPadHour ? hourWidth : 0, zeroPadHour)
        .Char(L':')
        .Number(minute, kTwoDigits, true)
        .Char(hour < 12 ? L'a' : L'p')
        .View();
}

} // namespace

std::wstring FormatClockTime(int hour, int minute, int clockFormat) {
    ClockTextBuffer buffer;
    return std::wstring(WriteClockTime(buffer, hour, minute, clockFormat, kTwoDigits, false));
}

std::wstring_view WriteClockTimePadded(ClockTextBuffer& buffer, int hour, int minute, int clockFormat) {
    return WriteClockTime(buffer, hour, minute, clockFormat, kTwoDigits, true);
}

std::wstring FormatClockTimePadded(int hour, int minute, int clockFormat) {
    ClockTextBuffer buffer;
    return std::wstring(WriteClockTimePadded(buffer, hour, minute, clockFormat));
}

std::wstring_view WriteDuration(ClockTextBuffer& buffer, int hours, int minutes, int seconds) {
    return CClockTextWriter(buffer)
        .Number(hours)
        .Char(L':')
        .Number(minutes, kTwoDigits, true)
        .Char(L':')
        .Number(seconds, kTwoDigits, true)
        .View();
}

std::wstring FormatDuration(int hours, int minutes, int seconds) {
    ClockTextBuffer buffer;
    return std::wstring(WriteDuration(buffer, hours, minutes, seconds));
}

} // namespace vessant

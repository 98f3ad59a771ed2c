#pragma once
// Clock times and durations as text. The clock format is the "Clock Format" setting:
// 12 selects the 12-hour texts ("1:07p"), any other value the 24-hour ones (" 7:03").

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vessant {

inline constexpr int kClock12 = 12;
inline constexpr int kClock24 = 24;

// Room for the longest text below: three ten-digit numbers with signs and separators.
inline constexpr std::size_t kClockTextCapacity = 40;

// A caller's storage for the Write* functions, which the yearly export calls 48 times a
// day: they fill it without allocating and return a view of it, valid until its next use.
using ClockTextBuffer = std::array<wchar_t, kClockTextCapacity>;

// Hour [0, 23], minute [0, 59]. 24-hour: "%2d:%02d"; 12-hour: "12:05a", "11:59a",
// "12:00p", "1:07p".
std::wstring FormatClockTime(int hour, int minute, int clockFormat);

// The same with two-digit hours: "07:03", "01:07p", "12:05a".
std::wstring FormatClockTimePadded(int hour, int minute, int clockFormat);
std::wstring_view WriteClockTimePadded(ClockTextBuffer& buffer, int hour, int minute, int clockFormat);

// "%d:%02d:%02d".
std::wstring FormatDuration(int hours, int minutes, int seconds);
std::wstring_view WriteDuration(ClockTextBuffer& buffer, int hours, int minutes, int seconds);

} // namespace vessant

#pragma once
// The local wall clock. Every "now" in the system comes from here, so tests can
// replace it with a fixed or simulated time.

#include <functional>

namespace vessant::platform {

struct LOCAL_TIME {
    int year = 0;        // proleptic Gregorian
    int month = 0;       // [1, 12]
    int day = 0;         // [1, 31]
    int hour = 0;        // [0, 23]
    int minute = 0;      // [0, 59]
    int second = 0;      // [0, 59]
    int millisecond = 0; // [0, 999]
};

// Current local time: the system clock, or the provider set for tests.
LOCAL_TIME Now();

// Replaces the clock; an empty function restores the system clock. The provider may be
// called from any thread and must be safe for that.
void SetNowProvider(std::function<LOCAL_TIME()> provider);

} // namespace vessant::platform

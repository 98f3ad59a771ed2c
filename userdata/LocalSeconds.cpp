#include "userdata/LocalSeconds.h"

#include <chrono>

namespace vessant {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

} // namespace

int DayNumberOf(const platform::LOCAL_TIME& time) {
    using namespace std::chrono;
    const sys_days days{year{time.year} / month{static_cast<unsigned>(time.month)} /
                        day{static_cast<unsigned>(time.day)}};
    return static_cast<int>(days.time_since_epoch().count()) + kJulianDayOf1970;
}

LocalSeconds LocalSecondsOfDay(int dayNumber, int hour, int minute, int second) {
    return static_cast<std::int64_t>(dayNumber - kJulianDayOf1970) * kSecondsPerDay +
           static_cast<std::int64_t>(hour) * 3600 + static_cast<std::int64_t>(minute) * 60 +
           second;
}

LocalSeconds LocalSecondsOf(const platform::LOCAL_TIME& time) {
    return LocalSecondsOfDay(DayNumberOf(time), time.hour, time.minute, time.second);
}

platform::LOCAL_TIME LocalTimeOf(LocalSeconds seconds) {
    using namespace std::chrono;
    const std::int64_t days = FloorDiv(seconds, kSecondsPerDay);
    const std::int64_t rest = seconds - days * kSecondsPerDay;   // [0, 86399]
    const year_month_day date{sys_days{std::chrono::days{days}}};
    platform::LOCAL_TIME time;
    time.year = static_cast<int>(date.year());
    time.month = static_cast<int>(static_cast<unsigned>(date.month()));
    time.day = static_cast<int>(static_cast<unsigned>(date.day()));
    time.hour = static_cast<int>(rest / 3600);
    time.minute = static_cast<int>(rest / 60 % 60);
    time.second = static_cast<int>(rest % 60);
    return time;
}

} // namespace vessant

#include "zmanim/ZmanimTable.h"

#include "calendar/ClockText.h"

namespace vessant {

int FormatZmanimTable(const ZMANIM_TABLE& table, std::array<std::wstring, kZmanimTableEntries>& texts,
                      int clockFormat) {
    for (int i = 0; i < kZmanimTableEntries; ++i) {
        const ZMANIM_TABLE_ENTRY& e = table.entry[static_cast<std::size_t>(i)];
        std::wstring& text = texts[static_cast<std::size_t>(i)];
        if (e.mode == ZmanMode::Duration) {
            const DURATION_HMS d = ToDuration(e.value);
            text = FormatDuration(d.hours, d.minutes, d.seconds);
        } else {
            const ClockMode mode = e.mode == ZmanMode::Truncate ? ClockMode::Truncate : ClockMode::Nearest;
            const CLOCK_TIME t = ToLocalClock(e.value, table.timeZone, table.dstActive, mode);
            text = FormatClockTimePadded(t.hour, t.minute, clockFormat);
        }
    }
    return kZmanimTableEntries;
}

} // namespace vessant

#include "zmanim/ZmanimTable.h"

#include "calendar/ClockText.h"

namespace vessant {
namespace {

// The text never overlaps the string, so the cheaper append serves instead of assign.
void AssignText(std::wstring& text, std::wstring_view value) {
    text.clear();
    text.append(value);
}

} // namespace

int FormatZmanimTable(const ZMANIM_TABLE& table, std::array<std::wstring, kZmanimTableEntries>& texts,
                      int clockFormat) {
    ClockTextBuffer buffer;
    for (int i = 0; i < kZmanimTableEntries; ++i) {
        const ZMANIM_TABLE_ENTRY& e = table.entry[static_cast<std::size_t>(i)];
        std::wstring& text = texts[static_cast<std::size_t>(i)];
        // Room for any text at the first call, so that a longer day later needs none.
        text.reserve(kClockTextCapacity);
        if (e.mode == ZmanMode::Duration) {
            const DURATION_HMS d = ToDuration(e.value);
            AssignText(text, WriteDuration(buffer, d.hours, d.minutes, d.seconds));
        } else {
            const ClockMode mode = e.mode == ZmanMode::Truncate ? ClockMode::Truncate : ClockMode::Nearest;
            const CLOCK_TIME t = ToLocalClock(e.value, table.timeZone, table.dstActive, mode);
            AssignText(text, WriteClockTimePadded(buffer, t.hour, t.minute, clockFormat));
        }
    }
    return kZmanimTableEntries;
}

} // namespace vessant

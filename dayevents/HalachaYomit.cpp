#include "dayevents/HalachaYomit.h"

#include "dayevents/HalachaYomitTable.h"

namespace vessant {

std::optional<STUDY_POSITION> HalachaYomitPosition(std::int32_t jdn) {
    return RepeatingCyclePosition(jdn, kHalachaYomitFirstDay, kHalachaYomitCycleDays);
}

HALACHA_YOMIT HalachaYomitAtIndex(std::int32_t index) {
    if (index < 1 || index > kHalachaYomitCycleDays)
        return {0, 0, 0};
    // The cycle has one day more than the table has entries: its last day stays with
    // the table's last reading rather than showing nothing.
    const std::int32_t entry = index > kHalachaYomitEntries ? kHalachaYomitEntries : index;
    const HALACHA_ENTRY& row = kHalachaYomitTable[entry];
    const std::uint8_t book = index < kHalachaYomitFirstKitzur ? 1 : 2;
    return {book, row.siman, row.seif};
}

HALACHA_YOMIT HalachaYomit(std::int32_t jdn) {
    const std::optional<STUDY_POSITION> position = HalachaYomitPosition(jdn);
    return position ? HalachaYomitAtIndex(position->index) : HALACHA_YOMIT{0, 0, 0};
}

} // namespace vessant

#include "dayevents/MishnaYomit.h"

#include "dayevents/MishnaYomitTable.h"

namespace vessant {

std::optional<STUDY_POSITION> MishnaYomitPosition(std::int32_t jdn) {
    if (jdn < kMishnaYomitFirstDay)
        return std::nullopt;
    const std::int32_t elapsed = jdn - kMishnaYomitFirstDay; // >= 0
    const std::int32_t r = elapsed % kMishnaYomitEntries;
    return STUDY_POSITION{elapsed / kMishnaYomitEntries, r == 0 ? kMishnaYomitEntries : r};
}

MISHNA_YOMIT MishnaYomitAtIndex(std::int32_t index) {
    if (index < 1 || index > kMishnaYomitEntries)
        return {0, 0, 0};
    const MISHNA_ENTRY& entry = kMishnaYomitTable[static_cast<std::size_t>(index)];
    return {entry.tractate, entry.chapter, entry.mishna};
}

MISHNA_YOMIT MishnaYomit(std::int32_t jdn) {
    const std::optional<STUDY_POSITION> position = MishnaYomitPosition(jdn);
    return position ? MishnaYomitAtIndex(position->index) : MISHNA_YOMIT{0, 0, 0};
}

} // namespace vessant

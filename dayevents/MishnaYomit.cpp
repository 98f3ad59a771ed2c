#include "dayevents/MishnaYomit.h"

#include "dayevents/detail/MishnaYomitTable.h"

namespace vessant {

std::optional<STUDY_POSITION> MishnaYomitPosition(std::int32_t jdn) {
    return RepeatingCyclePosition(jdn, kMishnaYomitFirstDay, kMishnaYomitEntries);
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

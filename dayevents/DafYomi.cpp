#include "dayevents/DafYomi.h"

#include "dayevents/detail/DafYomiTable.h"

namespace vessant {

std::optional<STUDY_POSITION> DafYomiPosition(std::int32_t jdn) {
    if (jdn < kDafYomiFirstDay)
        return std::nullopt;
    const std::int32_t elapsed = jdn - kDafYomiFirstDay; // >= 0
    return STUDY_POSITION{elapsed / kDafYomiCycleDays + 1, elapsed % kDafYomiCycleDays};
}

DAF_YOMI DafYomiAtIndex(std::int32_t index) {
    if (index < 0 || index >= kDafYomiCycleDays)
        return {0, 0};
    int row = 0;
    while (kDafYomiStarts[row + 1].start <= index) // the sentinel stops the walk
        ++row;
    return {kDafYomiStarts[row].tractate, index - kDafYomiStarts[row].start + 2};
}

DAF_YOMI DafYomi(std::int32_t jdn) {
    const std::optional<STUDY_POSITION> position = DafYomiPosition(jdn);
    return position ? DafYomiAtIndex(position->index) : DAF_YOMI{0, 0};
}

} // namespace vessant

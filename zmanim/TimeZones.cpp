#include "zmanim/TimeZones.h"

#include "text/TextTable.h"

#include <array>

namespace vessant {

namespace {

constexpr std::array<int, kTimeZoneCount + 1> kZoneOffsets = {
#include "zmanim/detail/TimeZoneOffsets.inc"
};

constexpr int kFirstZoneResource = 229; // zone n is resource 229 + n

} // namespace

int ZoneOffsetTenths(int zone) {
    if (zone < 0 || zone > kTimeZoneCount) return 0;
    return kZoneOffsets[static_cast<std::size_t>(zone)];
}

const std::wstring& ZoneName(int zone) { return NumberedResourceText(kFirstZoneResource, zone, kTimeZoneCount); }

} // namespace vessant

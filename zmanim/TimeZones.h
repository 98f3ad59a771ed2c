#pragma once
// The 35 time zones a location can carry, as offsets from Universal Time in tenths of an
// hour (20 = +2:00, -35 = -3:30). Zone 0 means none chosen.

#include <string>

namespace vessant {

inline constexpr int kTimeZoneCount = 35;

// Offset of zone 0..35; 0 for any other number.
int ZoneOffsetTenths(int zone);

// Display name of zone 1..35 (string resources 230..264); empty otherwise.
const std::wstring& ZoneName(int zone);

} // namespace vessant

#pragma once
// A location: a named place with its coordinates, time zone, daylight-saving rule, the
// shita for its zmanim, whether it lies in Israel and its candle-lighting custom.

#include <cstdint>
#include <string>
#include <string_view>

namespace vessant {

struct LOC_STRUCT {
    std::wstring city;                    // place name
    std::wstring country;                 // country or state, free text
    std::int16_t longitudeDegrees = 0;    // whole degrees
    std::int16_t longitudeMinutes = 0;    // arc-minutes
    std::int16_t longitudeDirection = 0;  // 1 East, 2 West
    std::int16_t latitudeDegrees = 0;
    std::int16_t latitudeMinutes = 0;
    std::int16_t latitudeDirection = 0;   // 1 North, 2 South
    std::int16_t timeZone = 0;            // zone 1..35 (zmanim/TimeZones.h)
    std::int16_t diaspora = 0;            // 0 in Israel, 1 outside Israel
    std::int16_t dstRule = 0;             // daylight-saving rule 1..25 (zmanim/DstRules.h)
    std::int16_t shita = 0;               // 1..6 built-in, 100 and up custom
    std::int16_t candleLighting = 0;      // 1..6: 15, 18, 21, 22, 30 or 40 minutes

    bool operator==(const LOC_STRUCT&) const = default;
};

inline constexpr std::int16_t kDirectionEast = 1;
inline constexpr std::int16_t kDirectionWest = 2;
inline constexpr std::int16_t kDirectionNorth = 1;
inline constexpr std::int16_t kDirectionSouth = 2;

// Whether a country text names Israel: "Israel" in any letter case, or the Hebrew
// "ישראל" exactly. This alone decides one-day or two-day festivals for a location.
bool IsIsraelCountry(std::wstring_view country);

} // namespace vessant

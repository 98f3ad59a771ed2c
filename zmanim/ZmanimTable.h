#pragma once
// The 48 alternative zmanim of the yearly export: dawns by degrees and by fixed,
// proportional and strict minutes, misheyakir, sunrise, Shema, prayer, midday, mincha and
// plag by three day definitions, sunset, nightfalls, the end of Shabbat, and the day
// lengths and seasonal hours. Values are UT hours; each entry has its display mode.

#include "zmanim/ClockConversion.h"

#include <array>
#include <cstdint>
#include <string>

namespace vessant {

inline constexpr int kZmanimTableEntries = 48;
inline constexpr int kZmanimTableDurations = 6; // the last six entries
inline constexpr int kZmanimTableClockEntries = kZmanimTableEntries - kZmanimTableDurations;

enum class ZmanMode { Nearest, Truncate, Duration };

struct ZMANIM_TABLE_ENTRY {
    double value = 0.0; // UT hours; hours for the durations
    ZmanMode mode = ZmanMode::Nearest;
};

struct ZMANIM_TABLE {
    std::int32_t julianDay = 0;
    double longitude = 0.0;     // degrees, east positive
    double latitude = 0.0;      // degrees, north positive
    double timeZone = 0.0;      // tenths of an hour
    std::int32_t dstActive = 0; // for julianDay
    std::int32_t dstRule = 0;
    std::array<ZMANIM_TABLE_ENTRY, kZmanimTableEntries> entry{};
    std::int32_t count = kZmanimTableEntries;
    std::int32_t durationCount = kZmanimTableDurations;
};

// Stores the location as SetupZmanim does; there is no shita.
void SetupZmanimTable(ZMANIM_TABLE& table, double longitude, double latitude, int timeZoneTenths,
                      std::int32_t dstRule);

// Fills the 48 entries for civil day jd. No allocation.
void ComputeZmanimTable(ZMANIM_TABLE& table, std::int32_t jd);

// The export column key of entry 0..47 ("Alot90eq" ... "ShaaZmanitMA72eq"); empty otherwise.
const wchar_t* ZmanimTableKey(int index);

// Writes the 48 texts: clock entries as two-digit-hour clock times in the clock format
// (12: 12-hour with a/p, else 24-hour), durations as "%d:%02d:%02d". Returns 48. The
// strings' storage is reused from call to call: once the texts have been filled, filling
// them again allocates nothing.
int FormatZmanimTable(const ZMANIM_TABLE& table, std::array<std::wstring, kZmanimTableEntries>& texts,
                      int clockFormat);

} // namespace vessant

#pragma once
// The context in which one location's zmanim are computed: the location, its zone and
// daylight-saving rule, the shita with its opinion block, and the results of the last day
// computed. Every time is in hours of Universal Time; only the accessors (Zmanim.h) apply
// the zone and daylight saving. A plain value without pointers: each user keeps its own.

#include <cstdint>

namespace vessant {

// Built-in shitot; custom shitot have ids from kFirstCustomShita up.
inline constexpr std::int32_t kShitaEretzYisraelGra = 1;
inline constexpr std::int32_t kShitaEretzYisraelMa = 2;
inline constexpr std::int32_t kShitaDiasporaGra = 3;
inline constexpr std::int32_t kShitaDiasporaMa = 4;
inline constexpr std::int32_t kShitaMaaseNissim = 5;
inline constexpr std::int32_t kShitaKiseiRachamim = 6;
inline constexpr std::int32_t kFirstCustomShita = 100;

struct ZMANIM_STRUCT {
    std::int32_t julianDay = 0; // civil day last computed
    double longitude = 0.0;     // degrees, east positive
    double latitude = 0.0;      // degrees, north positive
    double timeZone = 0.0;      // tenths of an hour (20 = +2:00, 55 = +5:30)
    std::int32_t dstActive = 0; // 1 when daylight saving is in force on julianDay
    std::int32_t dstRule = 0;   // daylight-saving rule of the location
    std::int32_t shita = 0;     // 1..6 built in, 100 and up custom

    // Opinion block, in the order of SHITA_STRUCT. For a built-in shita only chametzShita
    // and chametzVal are set.
    std::int32_t alotShita = 0, alotVal = 0;
    std::int32_t misheyakirShita = 0, misheyakirVal = 0;
    std::int32_t shemaShita = 0, shemaVal = 0;
    std::int32_t minchaGedolahShita = 0, minchaGedolahVal = 0;
    std::int32_t plagHaminchaShita = 0, plagHaminchaVal = 0; // no computation reads these
    std::int32_t tzeitShita = 0, tzeitVal = 0;
    std::int32_t tchilatTaanitShita = 0, tchilatTaanitVal = 0;
    std::int32_t sofTaanitShita = 0, sofTaanitVal = 0;
    std::int32_t chametzShita = 0, chametzVal = 0;
    std::int32_t tzeitShabbatShita = 0, tzeitShabbatVal = 0;
    std::int32_t tosefetFrom = 0, tosefetType = 0;

    double alot = 0.0;           // dawn
    double hanetz = 0.0;         // sunrise
    double misheyakir = 0.0;     // earliest tallit and tefillin
    double sofZmanShema = 0.0;   // latest morning Shema
    double sofZmanTefilla = 0.0; // latest morning prayer
    double chatzot = 0.0;        // midday
    double minchaGedola = 0.0;
    double minchaKetana = 0.0;
    double shkia = 0.0;          // sunset
    double tzeit = 0.0;          // nightfall
    double tchilatTaanit = 0.0;  // beginning of a daytime fast
    double sofTaanit = 0.0;      // end of a fast
    double chatzotLayla = 0.0;   // midnight following the day
    double dayLength = 0.0;      // hours, sunrise to sunset
    double shaaZmanit = 0.0;     // dayLength / 12
    double nightHour = 0.0;      // (24 - dayLength) / 12
    double dayLengthMa90 = 0.0;  // hours above -19.86 degrees; tzeit - alot for shitot 5 and 6
    double shaaZmanitMa90 = 0.0;
    double dayLengthMa72 = 0.0;  // hours above -16.11 degrees; custom shitot only
    double shaaZmanitMa72 = 0.0;
    double tzeitShabbat = 0.0;   // end of Shabbat and festivals
};

} // namespace vessant

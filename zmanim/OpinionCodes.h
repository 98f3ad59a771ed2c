#pragma once
// The opinion codes of a shita: for each time of the day, which opinion a custom shita
// follows, as the shita editor offers them and shitot.ini stores them (SHITA_STRUCT). The
// numbers are the file's, so they never change. A code outside its list leaves its time
// uncomputed.

#include <cstdint>

namespace vessant {

// Dawn (alotShita), and the beginning of a fast (tchilatTaanitShita).
enum AlotCode : std::int32_t {
    kAlotRambam72 = 1,            // 16.11 degrees, 72 equivalent minutes
    kAlotRishonim90 = 2,          // 19.86 degrees, 90 equivalent minutes
    kAlotRegularMinutes = 3,      // the value's minutes before hanetz
    kAlotProportionalMinutes = 4, // ... in seasonal minutes
    kAlotStrictMinutes = 5,       // ... in seasonal minutes, never fewer than clock minutes
    kAlotDegrees = 6,             // the value in hundredths of a degree below the horizon
};

// The earliest time for tallit and tefillin (misheyakirShita).
enum MisheyakirCode : std::int32_t {
    kMisheyakir11Degrees = 1,
    kMisheyakir10_2Degrees = 2,
    kMisheyakir60Minutes = 3, // before hanetz
    kMisheyakir50Minutes = 4,
};

// The day whose hours measure the latest Shema and prayer (shemaShita).
enum ShemaDayCode : std::int32_t {
    kShemaDayGra = 1,               // hanetz to shkia
    kShemaDayMagenAvraham90 = 2,    // dawn to nightfall at 19.86 degrees
    kShemaDayMagenAvraham72 = 3,    // dawn to nightfall at 16.11 degrees
    kShemaDayAlotToTzeit = 4,       // the shita's own dawn to its own nightfall
    kShemaDayAlotToShkia = 5,       // the shita's own dawn to shkia
};

// Mincha gedolah: half an hour after midday (minchaGedolahShita).
enum MinchaGedolahCode : std::int32_t {
    kMinchaGedolahRegular30 = 1,
    kMinchaGedolahProportional30 = 2,
    kMinchaGedolahStrict30 = 3,
};

// Nightfall (tzeitShita), and the end of a fast (sofTaanitShita).
enum TzeitCode : std::int32_t {
    kTzeitGra = 1,                // 4.85 degrees, 18.6 equivalent minutes
    kTzeitBaalHatanya24 = 2,      // 6 degrees
    kTzeitBaalHatanya26 = 3,      // 6.3 degrees
    kTzeitRabbenuTam72 = 4,       // 16.11 degrees
    kTzeitRabbenuTam90 = 5,       // 19.86 degrees
    kTzeit120 = 6,                // 26 degrees
    kTzeitRegularMinutes = 7,     // the value's minutes after shkia
    kTzeitProportionalMinutes = 8,
    kTzeitStrictMinutes = 9,
};

// The end of Shabbat (tzeitShabbatShita).
enum TzeitShabbatCode : std::int32_t {
    kTzeitShabbatThreeSmallStars = 1, // 8.5 degrees
    kTzeitShabbat7_5Degrees = 2,      // only from a file: the editor has no label for it
    kTzeitShabbatAdotMizrach = 3,     // shkia and half a seasonal hour
    kTzeitShabbatRabbenuTam = 4,      // 72 strict minutes after shkia
    kTzeitShabbatDegrees = 5,         // the value in hundredths of a degree
    kTzeitShabbatMinutes = 6,         // the value's minutes, from tosefetFrom, of tosefetType
};

// Where the minutes of kTzeitShabbatMinutes count from (tosefetFrom).
enum TosefetFromCode : std::int32_t {
    kTosefetFromShkia = 1,
    kTosefetFromTzeit = 2, // the shita's own nightfall
};

// What kind of minutes kTzeitShabbatMinutes adds (tosefetType).
enum TosefetTypeCode : std::int32_t {
    kTosefetRegularMinutes = 1,
    kTosefetProportionalMinutes = 2,
    kTosefetStrictMinutes = 3,
};

// The day whose hours measure the latest times for chametz (chametzShita). Codes 4 and 5
// belong to the built-in shitot 5 and 6; the editor has no label for them.
enum ChametzDayCode : std::int32_t {
    kChametzDayGra = 1,
    kChametzDayMagenAvraham90 = 2,
    kChametzDayMagenAvraham72 = 3,
    kChametzDayMaaseNissim = 4,    // from the 16.11-degree dawn, hours of the 19.86-degree day
    kChametzDayKiseiRachamim = 5,  // from 1.5 seasonal hours before hanetz to 25 after shkia
    kChametzDayAlotToTzeit = 6,
    kChametzDayAlotToShkia = 7,
};

} // namespace vessant

#pragma once
// A shita: the set of opinions from which the zmanim calculator derives each time of the
// day. Custom shitot (ids 100 and up) are the user's; the six built-in ones have fixed
// templates used when one is viewed or copied in the editor. The 22 integers from
// alotShita to tosefetType are the opinion block that SetupZmanim copies; the codes are
// named in OpinionCodes.h.

#include <cstdint>
#include <string>

namespace vessant {

struct SHITA_STRUCT {
    std::int32_t id = 0;
    std::wstring name;
    std::int32_t alotShita = 0;          // AlotCode
    std::int32_t alotVal = 0;            // minutes; hundredths of a degree for kAlotDegrees
    std::int32_t misheyakirShita = 0;    // MisheyakirCode
    std::int32_t misheyakirVal = 0;      // kept, never used
    std::int32_t shemaShita = 0;         // ShemaDayCode
    std::int32_t shemaVal = 0;           // kept, never used
    std::int32_t minchaGedolahShita = 0; // MinchaGedolahCode
    std::int32_t minchaGedolahVal = 0;   // kept, never used
    std::int32_t plagHaminchaShita = 0;  // kept, never used: plag follows the GR"A always
    std::int32_t plagHaminchaVal = 0;    // kept, never used
    std::int32_t tzeitShita = 0;         // TzeitCode
    std::int32_t tzeitVal = 0;           // minutes for the codes in minutes
    std::int32_t tchilatTaanitShita = 0; // AlotCode
    std::int32_t tchilatTaanitVal = 0;
    std::int32_t sofTaanitShita = 0;     // TzeitCode
    std::int32_t sofTaanitVal = 0;
    std::int32_t chametzShita = 0;       // ChametzDayCode
    std::int32_t chametzVal = 0;         // kept, never used
    std::int32_t tzeitShabbatShita = 0;  // TzeitShabbatCode
    std::int32_t tzeitShabbatVal = 0;    // hundredths of a degree or minutes, by the code
    std::int32_t tosefetFrom = 0;        // TosefetFromCode, for kTzeitShabbatMinutes
    std::int32_t tosefetType = 0;        // TosefetTypeCode, for kTzeitShabbatMinutes

    bool operator==(const SHITA_STRUCT&) const = default;
};

inline constexpr int kBuiltinShitot = 6;

// The template of built-in shita 1..6 (its name from the text table); for any other
// number an all-zero record with that id and no name.
SHITA_STRUCT BuiltinShitaTemplate(std::int32_t number);

// Whether `id` can name a shita: a built-in one, or a custom id, which the store may or may
// not hold.
bool IsShitaId(std::int32_t id);

// Display name of built-in shita 1..6 (string resources 450..455); empty otherwise.
std::wstring BuiltinShitaName(std::int32_t number);

// The values a new shita starts with in the editor: name "New" and the default codes.
SHITA_STRUCT NewShitaDefaults();

// Degrees typed in the editor become hundredths rounded up: 16.111 -> 1612, 16.1 -> 1610.
std::int32_t DegreesToHundredths(double degrees);

} // namespace vessant

#include "zmanim/Shita.h"

#include "text/TextTable.h"
#include "zmanim/OpinionCodes.h"
#include "zmanim/ZmanimStruct.h"

#include <cmath>
#include <cstdint>

namespace vessant {

namespace {

struct TEMPLATE_ROW {
    std::int32_t id, alot, alotVal, misheyakir, shema, minchaGedolah, tzeit, tzeitVal,
        tchilatTaanit, tchilatTaanitVal, sofTaanit, chametz, tzeitShabbat;
};

constexpr TEMPLATE_ROW kTemplates[kBuiltinShitot] = {
#include "zmanim/detail/ShitaTemplates.inc"
};

constexpr int kFirstShitaNameResource = 449; // shita n is resource 449 + n

} // namespace

bool IsShitaId(std::int32_t id) {
    return (id >= kShitaEretzYisraelGra && id <= kBuiltinShitot) || id >= kFirstCustomShita;
}

std::wstring BuiltinShitaName(std::int32_t number) {
    return NumberedResourceText(kFirstShitaNameResource, number, kBuiltinShitot);
}

SHITA_STRUCT BuiltinShitaTemplate(std::int32_t number) {
    SHITA_STRUCT s;
    s.id = number;
    if (number < 1 || number > kBuiltinShitot) return s;
    const TEMPLATE_ROW& row = kTemplates[number - 1];
    s.name = BuiltinShitaName(number);
    s.alotShita = row.alot;
    s.alotVal = row.alotVal;
    s.misheyakirShita = row.misheyakir;
    s.shemaShita = row.shema;
    s.minchaGedolahShita = row.minchaGedolah;
    s.tzeitShita = row.tzeit;
    s.tzeitVal = row.tzeitVal;
    s.tchilatTaanitShita = row.tchilatTaanit;
    s.tchilatTaanitVal = row.tchilatTaanitVal;
    s.sofTaanitShita = row.sofTaanit;
    s.chametzShita = row.chametz;
    s.tzeitShabbatShita = row.tzeitShabbat;
    return s;
}

SHITA_STRUCT NewShitaDefaults() {
    SHITA_STRUCT s;
    s.name = L"New";
    s.alotShita = kAlotRambam72;
    s.misheyakirShita = kMisheyakir11Degrees;
    s.shemaShita = kShemaDayGra;
    s.minchaGedolahShita = kMinchaGedolahStrict30;
    s.tzeitShita = kTzeitBaalHatanya24;
    s.tzeitShabbatShita = kTzeitShabbatThreeSmallStars;
    s.tchilatTaanitShita = kAlotRambam72;
    s.sofTaanitShita = kTzeitGra;
    s.chametzShita = kChametzDayGra;
    return s;
}

std::int32_t DegreesToHundredths(double degrees) {
    // Rounded up, but a typed 16.1 (1610.0000000000002 in binary) must stay 1610.
    const double hundredths = std::ceil(degrees * 100.0 - 1e-6);
    if (!(hundredths > -2147483648.0)) return INT32_MIN; // also NaN
    if (hundredths > 2147483647.0) return INT32_MAX;
    return static_cast<std::int32_t>(hundredths);
}

} // namespace vessant

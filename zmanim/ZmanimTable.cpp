#include "zmanim/ZmanimTable.h"

#include "zmanim/DstRules.h"
#include "zmanim/Solar.h"

namespace vessant {

namespace {

struct ROW {
    const wchar_t* key;
    ZmanMode mode;
};

constexpr ROW kRows[kZmanimTableEntries] = {
#include "zmanim/ZmanimTableRows.inc"
};

constexpr double kSunriseAltitude = -0.5833333333333334;

} // namespace

void SetupZmanimTable(ZMANIM_TABLE& table, double longitude, double latitude, int timeZoneTenths,
                      std::int32_t dstRule) {
    table.longitude = longitude;
    table.latitude = latitude;
    table.timeZone = static_cast<double>(timeZoneTenths);
    table.dstRule = dstRule;
}

const wchar_t* ZmanimTableKey(int index) {
    if (index < 0 || index >= kZmanimTableEntries) return L"";
    return kRows[index].key;
}

void ComputeZmanimTable(ZMANIM_TABLE& table, std::int32_t jd) {
    table.julianDay = jd;
    table.dstActive = DstStatus(table.dstRule, jd) > kDstEnds ? 1 : 0;
    const double lon = table.longitude;
    const double lat = table.latitude;
    const SUN_DAY day = SunOfDay(jd, lon);
    const auto at = [&](double altitude, int upperLimb = 0) {
        return SunRiseSet(day, upperLimb, lat, altitude);
    };

    const SUN_RISE_SET sun = at(kSunriseAltitude, 1);
    const double H = sun.rise;
    const double S = sun.set;
    const double dayLength = DayLength(day, 1, lat, kSunriseAltitude);
    const double h = dayLength / 12.0;
    const SUN_RISE_SET sun90 = at(-19.86);
    const SUN_RISE_SET sun72 = at(-16.11);
    const double R90 = sun90.rise, S90 = sun90.set;
    const double R72 = sun72.rise, S72 = sun72.set;
    const double dayLength90 = DayLength(day, 0, lat, -19.86);
    const double dayLength72 = DayLength(day, 0, lat, -16.11);
    const double h90 = dayLength90 / 12.0;
    const double h72 = dayLength72 / 12.0;
    const bool shortHour = h < 1.0; // strict minutes stay clock minutes

    const double values[kZmanimTableEntries] = {
        R90,                                  // Alot90eq
        H - 1.5,                              // Alot90reg
        H - 1.5 * h,                          // Alot90prop
        shortHour ? H - 1.5 : H - 1.5 * h,    // Alot90strict
        R72,                                  // Alot72eq
        H - 1.2,                              // Alot72reg
        H - 1.2 * h,                          // Alot72prop
        shortHour ? H - 1.2 : H - 1.2 * h,    // Alot72strict
        H - 1.0,                              // Misheyakir60min
        H - 0.8333333333333334,               // Misheyakir50min
        at(-11.0, 1).rise,                    // Misheyakir110deg
        at(-10.2, 1).rise,                    // Misheyakir102deg
        H,                                    // Hanetz
        H + 3.0 * h,                          // ShemaGRA
        R90 + 3.0 * h90,                      // ShemaMA90eq
        R72 + 3.0 * h72,                      // ShemaMA72eq
        H + 4.0 * h,                          // TefillaGRA
        R90 + 4.0 * h90,                      // TefillaMA90eq
        R72 + 4.0 * h72,                      // TefillaMA72eq
        H + 6.0 * h,                          // ChatzotHayom
        H + 6.0 * h + 0.5 * h,                // MinchaGGRA
        R90 + 6.0 * h90 + 0.5 * h90,          // MinchaGMA90eq
        R72 + 6.0 * h72 + 0.5 * h72,          // MinchaGMA72eq
        H + 9.5 * h,                          // MinchaKGRA
        R90 + 9.5 * h90,                      // MinchaKMA90eq
        R72 + 9.5 * h72,                      // MinchaKMA72eq
        H + 10.75 * h,                        // PlagGRA
        R90 + 10.75 * h90,                    // PlagMA90eq
        R72 + 10.75 * h72,                    // PlagMA72eq
        S,                                    // Shkia
        at(-4.85).set,                        // Tzeit18eq
        at(-6.0).set,                         // Tzeit24eq
        at(-6.3).set,                         // Tzeit26eq
        S90,                                  // Tzeit90eq
        S + 1.5,                              // Tzeit90reg
        S + 1.5 * h,                          // Tzeit90prop
        shortHour ? S + 1.5 : S + 1.5 * h,    // Tzeit90strict
        S72,                                  // Tzeit72eq
        S + 1.2,                              // Tzeit72reg
        S + 1.2 * h,                          // Tzeit72prop
        shortHour ? S + 1.2 : S + 1.2 * h,    // Tzeit72strict
        at(-8.5).set,                         // Motzei
        dayLength,                            // DaylenGRA
        h,                                    // ShaaZmanitGRA
        dayLength90,                          // DaylenMA90eq
        h90,                                  // ShaaZmanitMA90eq
        dayLength72,                          // DaylenMA72eq
        h72,                                  // ShaaZmanitMA72eq
    };
    for (int i = 0; i < kZmanimTableEntries; ++i) {
        table.entry[static_cast<std::size_t>(i)] = {values[i], kRows[i].mode};
    }
    table.count = kZmanimTableEntries;
    table.durationCount = kZmanimTableDurations;
}

} // namespace vessant

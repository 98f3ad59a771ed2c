#pragma once
// The test places and the reference values of tools/zmanim_reference.py.

#include "calendar/HebrewCalendar.h"
#include "zmanim/TimeZones.h"
#include "zmanim/Zmanim.h"

#include <cstdint>

namespace vessant::golden {

struct PLACE {
    const char* name;
    float longitude;
    float latitude;
    int zone;
    int dstRule;
};

inline constexpr PLACE kPlaces[] = {
#define ZMANIM_GOLDEN_PLACES
#include "zmanim/tests/ZmanimGolden.inc"
#undef ZMANIM_GOLDEN_PLACES
};

enum class Sun { Hanetz, Shkia, Alot72, Alot90, Tzeit, TzeitShabbat };

enum class Result {
    Alot, Misheyakir, Tzeit, SofZmanShema, SofZmanTefilla, Chatzot, MinchaGedola, MinchaKetana,
    Plag, TzeitShabbat, TchilatTaanit, SofTaanit, ChatzotLayla, ChametzEating, ChametzBurning,
};

inline std::int32_t Jd(int y, int m, int d) { return CivilToDayNumber(y, m, d, false); }

// A record set up for a fixture place.
inline ZMANIM_STRUCT SetUpAt(const PLACE& p, std::int32_t shita, const SHITA_STRUCT* custom = nullptr) {
    ZMANIM_STRUCT ctx;
    SetupZmanim(ctx, static_cast<double>(p.longitude), static_cast<double>(p.latitude),
                ZoneOffsetTenths(p.zone), shita, p.dstRule, custom);
    return ctx;
}

// The UT value of a result, the chametz times through their accessor's computation.
inline double ResultOf(const ZMANIM_STRUCT& z, Result r) {
    switch (r) {
    case Result::Alot: return z.alot;
    case Result::Misheyakir: return z.misheyakir;
    case Result::Tzeit: return z.tzeit;
    case Result::SofZmanShema: return z.sofZmanShema;
    case Result::SofZmanTefilla: return z.sofZmanTefilla;
    case Result::Chatzot: return z.chatzot;
    case Result::MinchaGedola: return z.minchaGedola;
    case Result::MinchaKetana: return z.minchaKetana;
    case Result::Plag: return z.hanetz + 10.75 * z.shaaZmanit;
    case Result::TzeitShabbat: return z.tzeitShabbat;
    case Result::TchilatTaanit: return z.tchilatTaanit;
    case Result::SofTaanit: return z.sofTaanit;
    case Result::ChatzotLayla: return z.chatzotLayla;
    case Result::ChametzEating: return ChametzTime(z, 4);
    case Result::ChametzBurning: return ChametzTime(z, 5);
    }
    return 0.0;
}

// Reference and program agree far below a second; a wrong constant or step shows at once.
inline constexpr double kUtTolerance = 1e-7; // hours

} // namespace vessant::golden

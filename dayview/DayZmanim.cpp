#include "dayview/DayZmanim.h"

#include "dayview/DayTextIds.h"
#include "zmanim/Zmanim.h"

namespace vessant {
namespace {

struct CLOCK_ROW {
    const char* key;
    int labelId;
    CLOCK_TIME (*get)(const ZMANIM_STRUCT&);
};
constexpr CLOCK_ROW kClockRows[] = {
    {"alot", kIdAlot, GetAlot},
    {"misheyakir", kIdMisheyakir, GetMisheyakir},
    {"hanetz", kIdHanetz, GetHanetz},
    {"sofZmanShema", kIdSofZmanShema, GetSofZmanShema},
    {"sofZmanTefilla", kIdSofZmanTefilla, GetSofZmanTefilla},
    {"chatzot", kIdChatzot, GetChatzot},
    {"minchaGedola", kIdMinchaGedola, GetMinchaGedola},
    {"minchaKetana", kIdMinchaKetana, GetMinchaKetana},
    {"plagHamincha", kIdPlagHamincha, GetPlagHamincha},
    {"shkia", kIdShkia, GetShkia},
    {"tzeit", kIdTzeit, GetTzeit},
    {"chatzotLayla", kIdChatzotLayla, GetChatzotLayla},
};

struct DURATION_ROW {
    const char* key;
    int labelId;
    DURATION_HMS (*get)(const ZMANIM_STRUCT&);
};
constexpr DURATION_ROW kDurationRows[] = {
    {"dayLength", kIdDayLength, GetDayLength},
    {"shaaZmanit", kIdShaaZmanit, GetShaaZmanit},
};

static_assert(std::size(kClockRows) + std::size(kDurationRows) == kDayZmanCount);

} // namespace

void FillDayZmanim(const ZMANIM_STRUCT& zmanim, DAY_ZMANIM& out) {
    std::size_t i = 0;
    for (const CLOCK_ROW& row : kClockRows)
        out[i++] = {row.key, row.labelId, false, row.get(zmanim), {}};
    for (const DURATION_ROW& row : kDurationRows)
        out[i++] = {row.key, row.labelId, true, {}, row.get(zmanim)};
}

} // namespace vessant

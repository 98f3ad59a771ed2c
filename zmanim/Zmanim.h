#pragma once
// The zmanim of one civil day at one location under one shita. Set a record up once per
// location or shita (SetupZmanim), compute it for a day (ComputeZmanim), then read local
// clock times through the accessors. No operation fails or allocates; polar days and
// nights are not reported: the affected zmanim fall on the transit or 12 hours from it.

#include "zmanim/ClockConversion.h"
#include "zmanim/Shita.h"
#include "zmanim/ZmanimStruct.h"

#include <cstdint>

namespace vessant {

// Stores the location and, for a custom shita, copies its opinion block from the
// program-wide shitot store (ShitotStore.h). For a built-in shita only the chametz
// opinion is set. A custom id the store does not hold leaves an empty opinion block, so
// only the times every shita shares are computed. Computes nothing.
void SetupZmanim(ZMANIM_STRUCT& ctx, double longitude, double latitude, int timeZoneTenths,
                 std::int32_t shita, std::int32_t dstRule);
// The same with the custom shita given directly (nullptr: none), for callers that hold
// their own list.
void SetupZmanim(ZMANIM_STRUCT& ctx, double longitude, double latitude, int timeZoneTenths,
                 std::int32_t shita, std::int32_t dstRule, const SHITA_STRUCT* custom);

// Copies the 22 opinion integers of a shita into the record.
void CopyOpinionBlock(const SHITA_STRUCT& from, ZMANIM_STRUCT& to);

// Computes every result for the civil day jd. A custom opinion code outside its listed
// values leaves that result as it was.
void ComputeZmanim(ZMANIM_STRUCT& ctx, std::int32_t jd);

// Local clock times of the last computation.
CLOCK_TIME GetAlot(const ZMANIM_STRUCT& ctx);
CLOCK_TIME GetMisheyakir(const ZMANIM_STRUCT& ctx);
CLOCK_TIME GetHanetz(const ZMANIM_STRUCT& ctx);
CLOCK_TIME GetSofZmanShema(const ZMANIM_STRUCT& ctx);   // truncated
CLOCK_TIME GetSofZmanTefilla(const ZMANIM_STRUCT& ctx); // truncated
CLOCK_TIME GetChatzot(const ZMANIM_STRUCT& ctx);
CLOCK_TIME GetMinchaGedola(const ZMANIM_STRUCT& ctx);
CLOCK_TIME GetMinchaKetana(const ZMANIM_STRUCT& ctx);
CLOCK_TIME GetPlagHamincha(const ZMANIM_STRUCT& ctx);   // sunrise + 10.75 seasonal hours, any shita
CLOCK_TIME GetShkia(const ZMANIM_STRUCT& ctx);
CLOCK_TIME GetTzeit(const ZMANIM_STRUCT& ctx);
CLOCK_TIME GetTchilatTaanit(const ZMANIM_STRUCT& ctx);
CLOCK_TIME GetSofTaanit(const ZMANIM_STRUCT& ctx);
CLOCK_TIME GetChatzotLayla(const ZMANIM_STRUCT& ctx);
CLOCK_TIME GetTzeitShabbat(const ZMANIM_STRUCT& ctx);

// Candle lighting for the record's day (a Shabbat or festival): the day before's sunset
// less the location's custom, option 1..6 = 15, 18, 21, 22, 30, 40 minutes (18 for any
// other value); truncated, with the zone and daylight saving of the record's day.
double CandleLightingTime(const ZMANIM_STRUCT& ctx, int option); // UT hours
CLOCK_TIME GetCandleLighting(const ZMANIM_STRUCT& ctx, int option);

// Latest times to eat (4 hours) and burn (5 hours) chametz by the record's chametzShita.
double ChametzTime(const ZMANIM_STRUCT& ctx, int hours); // UT hours
CLOCK_TIME GetLatestChametzEating(const ZMANIM_STRUCT& ctx);  // truncated
CLOCK_TIME GetLatestChametzBurning(const ZMANIM_STRUCT& ctx); // truncated

// Lengths, without zone.
DURATION_HMS GetShaaZmanit(const ZMANIM_STRUCT& ctx);
DURATION_HMS GetDayLength(const ZMANIM_STRUCT& ctx);

// Whether the local clock (platform::Now, seconds ignored) is strictly past the tzeit of
// civil day jd: from then on the program treats the next civil day as the current one.
// A tzeit that falls after midnight has not come yet on jd's own clock.
bool IsAfterTzeit(std::int32_t jd, double longitude, double latitude, int timeZoneTenths,
                  std::int32_t shita, std::int32_t dstRule);

} // namespace vessant

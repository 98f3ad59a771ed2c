// Zmanim per day: the month table computes a record for every cell it shows, the export a
// 48-entry table for every day of a year. Neither allocates (zmanim/tests/AllocationTest.cpp).
#include "calendar/HebrewCalendar.h"
#include "zmanim/DstRules.h"
#include "zmanim/OpinionCodes.h"
#include "zmanim/Solar.h"
#include "zmanim/Zmanim.h"
#include "zmanim/ZmanimTable.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vessant;

// Consecutive days from 1 January 2000, over about 80 years, so every daylight-saving era
// and season is visited.
struct DAY_RUN {
    std::int32_t first = CivilToDayNumber(2000, 1, 1, false);
    std::int32_t jd = first;
    std::int32_t Next() {
        if (++jd > first + 30000) jd = first;
        return jd;
    }
};

void ReportPerDay(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations());
    state.counters["us_per_day"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * 1e-6,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Shita 1..6 built in, 100 a custom shita using the most expensive codes.
void BM_ComputeZmanim(benchmark::State& state) {
    const auto shita = static_cast<std::int32_t>(state.range(0));
    SHITA_STRUCT custom = BuiltinShitaTemplate(kShitaEretzYisraelMa);
    custom.id = kFirstCustomShita;
    custom.alotShita = kAlotDegrees;
    custom.alotVal = 1800;
    custom.shemaShita = kShemaDayMagenAvraham72;
    custom.tzeitShabbatShita = kTzeitShabbatMinutes;
    custom.tzeitShabbatVal = 40;
    custom.tosefetFrom = kTosefetFromTzeit;
    custom.tosefetType = kTosefetStrictMinutes;
    ZMANIM_STRUCT ctx;
    SetupZmanim(ctx, 35.2333, 31.7667, 20, shita, 15, &custom); // Jerusalem, Israel's rule
    DAY_RUN days;
    for (auto _ : state) {
        ComputeZmanim(ctx, days.Next());
        benchmark::DoNotOptimize(ctx);
    }
    ReportPerDay(state);
}
BENCHMARK(BM_ComputeZmanim)->Arg(1)->Arg(2)->Arg(5)->Arg(6)->Arg(100);

// A month-table cell: the day's record and the clock times a cell shows.
void BM_ComputeZmanimWithAccessors(benchmark::State& state) {
    ZMANIM_STRUCT ctx;
    SetupZmanim(ctx, -74.0, 40.7167, -50, 3, 25, nullptr); // New York, USA rule
    DAY_RUN days;
    for (auto _ : state) {
        ComputeZmanim(ctx, days.Next());
        benchmark::DoNotOptimize(GetHanetz(ctx));
        benchmark::DoNotOptimize(GetSofZmanShema(ctx));
        benchmark::DoNotOptimize(GetShkia(ctx));
        benchmark::DoNotOptimize(GetTzeit(ctx));
        benchmark::DoNotOptimize(GetCandleLighting(ctx, 2));
    }
    ReportPerDay(state);
}
BENCHMARK(BM_ComputeZmanimWithAccessors);

void BM_ComputeZmanimTable(benchmark::State& state) {
    ZMANIM_TABLE table;
    SetupZmanimTable(table, 35.2333, 31.7667, 20, 15);
    DAY_RUN days;
    for (auto _ : state) {
        ComputeZmanimTable(table, days.Next());
        benchmark::DoNotOptimize(table);
    }
    ReportPerDay(state);
}
BENCHMARK(BM_ComputeZmanimTable);

void BM_SunRiseSet(benchmark::State& state) {
    DAY_RUN days;
    for (auto _ : state) benchmark::DoNotOptimize(SunRiseSet(days.Next(), 1, 35.2333, 31.7667, -0.5833333333333334));
    ReportPerDay(state);
}
BENCHMARK(BM_SunRiseSet);

// Israel's 2005-2012 rule goes through the Hebrew calendar; the others are closed forms.
void BM_DstStatus(benchmark::State& state) {
    const int rule = static_cast<int>(state.range(0));
    DAY_RUN days;
    days.first = days.jd = CivilToDayNumber(2005, 1, 1, false);
    for (auto _ : state) {
        benchmark::DoNotOptimize(DstStatus(rule, days.jd));
        if (++days.jd > days.first + 8 * 365) days.jd = days.first;
    }
    ReportPerDay(state);
}
BENCHMARK(BM_DstStatus)->Arg(10)->Arg(15);

} // namespace

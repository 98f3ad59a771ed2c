// The day list and the weekly portion for every day of a year, as a year export or a run
// of month views asks for them. Neither allocates (dayevents/tests/alloc).

#include "calendar/DateOperations.h"
#include "dayevents/DayEvents.h"
#include "dayevents/Haftarah.h"
#include "dayevents/WeeklyPortion.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace vessant;

// Every day of Hebrew year 5785, set up once so that only the day-event engine is timed.
const std::vector<DATE_STRUCT>& DaysOfYear() {
    static const std::vector<DATE_STRUCT> days = [] {
        std::vector<DATE_STRUCT> result;
        DATE_STRUCT date;
        SetTransition(date, kTransitionUK);
        SetHebrewDate(date, 5785, kTishrei, 1);
        while (date.hebYear == 5785) {
            result.push_back(date);
            AddDays(date, 1);
        }
        return result;
    }();
    return days;
}

// BuildDayEvents for every day and WeeklyPortion for every Shabbat of the year.
void BM_DayEventsAndPortionYear(benchmark::State& state) {
    const bool diaspora = state.range(0) != 0;
    const auto& days = DaysOfYear();
    DAY_EVENTS list;
    for (auto _ : state) {
        for (const DATE_STRUCT& date : days) {
            BuildDayEvents(list, date, diaspora);
            benchmark::DoNotOptimize(list);
            if (Weekday(date) == 7)
                benchmark::DoNotOptimize(
                    WeeklyPortion(PackedMonthDay(date.hebMonth, date.hebDay), date.hebYear, diaspora));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
}
BENCHMARK(BM_DayEventsAndPortionYear)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The same with WeeklyPortion asked for every day, as a caller that does not filter Shabbat.
void BM_DayEventsAndPortionEveryDayYear(benchmark::State& state) {
    const auto& days = DaysOfYear();
    DAY_EVENTS list;
    for (auto _ : state) {
        for (const DATE_STRUCT& date : days) {
            BuildDayEvents(list, date, true);
            benchmark::DoNotOptimize(list);
            benchmark::DoNotOptimize(WeeklyPortion(PackedMonthDay(date.hebMonth, date.hebDay), date.hebYear, true));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
}
BENCHMARK(BM_DayEventsAndPortionEveryDayYear)->Unit(benchmark::kMicrosecond);

// The haftarah of every day of the year, from its list and portion, as the day-details panel asks.
void BM_HaftarotYear(benchmark::State& state) {
    const auto& days = DaysOfYear();
    DAY_EVENTS list;
    HAFTARAH_LIST morning, afternoon;
    for (auto _ : state) {
        for (const DATE_STRUCT& date : days) {
            BuildDayEvents(list, date, true);
            PORTION_INFO portion;
            if (Weekday(date) == 7)
                portion = WeeklyPortion(PackedMonthDay(date.hebMonth, date.hebDay), date.hebYear, true);
            benchmark::DoNotOptimize(DayHaftarot(list, Weekday(date), date.hebMonth, date.hebYear, portion.first,
                                                 portion.special, true, kRiteAshkenazi, morning, afternoon));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
}
BENCHMARK(BM_HaftarotYear)->Unit(benchmark::kMicrosecond);

} // namespace

// Conversions per second of the date record: the month table converts every cell.
#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"
#include "calendar/HebrewNumeral.h"
#include "calendar/Molad.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vessant;

// A run of consecutive days from 1 January 2000, wrapping after about 800 years.
void BM_SetDayNumber(benchmark::State& state) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    const int first = CivilToDayNumber(2000, 1, 1, false);
    int j = first;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SetDayNumber(date, j));
        benchmark::DoNotOptimize(date);
        if (++j > first + 300000)
            j = first;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetDayNumber);

// Every day of every month of a run of Hebrew years.
void BM_SetHebrewDate(benchmark::State& state) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    int year = 5700;
    int month = kTishrei;
    int day = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SetHebrewDate(date, year, month, day));
        benchmark::DoNotOptimize(date);
        if (++day > 29) {
            day = 1;
            month = month == kElul ? kTishrei : month + 1;
            if (month == kAdarI && !IsHebrewLeapYear(year))
                month = kAdar;
            else if (month == kAdarII && !IsHebrewLeapYear(year))
                month = kNisan;
            else if (month == kAdar + 1)
                month = kNisan;
            if (month == kTishrei && ++year > 6500)
                year = 5700;
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetHebrewDate);

void BM_AddDays(benchmark::State& state) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    SetCivilDate(date, 2000, 1, 1);
    int step = 1;
    for (auto _ : state) {
        AddDays(date, step);
        benchmark::DoNotOptimize(date);
        if (date.civYear > 2800 || date.civYear < 2000)
            step = -step;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AddDays);

void BM_MoladOfMonth(benchmark::State& state) {
    int year = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MoladOfMonth(year, kNisan));
        if (++year > 6999)
            year = 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MoladOfMonth);

void BM_HebrewNumeral(benchmark::State& state) {
    int n = 5700;
    for (auto _ : state) {
        benchmark::DoNotOptimize(HebrewNumeral(n));
        if (++n > 5800)
            n = 5700;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HebrewNumeral);

} // namespace

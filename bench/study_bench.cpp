// The five daily study programmes for every day of a civil year, as a month view, its
// print and the year export ask for them.

#include "calendar/HebrewCalendar.h"
#include "dayevents/DafYomi.h"
#include "dayevents/HalachaYomit.h"
#include "dayevents/MishnaYomit.h"
#include "dayevents/StudyText.h"
#include "dayevents/TanachYomi.h"
#include "dayevents/YerushalmiYomi.h"
#include "text/Language.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using namespace vessant;

const std::int32_t kFirstDay = CivilToDayNumber(2024, 1, 1, false);
const std::int32_t kDays = 366;

template <typename Programme>
void ForEveryDayOfTheYear(benchmark::State& state, Programme programme) {
    for (auto _ : state) {
        for (std::int32_t jdn = kFirstDay; jdn < kFirstDay + kDays; ++jdn)
            benchmark::DoNotOptimize(programme(jdn));
    }
    state.SetItemsProcessed(state.iterations() * kDays);
}

void BM_DafYomiYear(benchmark::State& state) { ForEveryDayOfTheYear(state, DafYomi); }
void BM_YerushalmiYomiYear(benchmark::State& state) { ForEveryDayOfTheYear(state, YerushalmiYomi); }
void BM_MishnaYomitYear(benchmark::State& state) { ForEveryDayOfTheYear(state, MishnaYomit); }
void BM_HalachaYomitYear(benchmark::State& state) { ForEveryDayOfTheYear(state, HalachaYomit); }
void BM_TanachYomiYear(benchmark::State& state) { ForEveryDayOfTheYear(state, TanachYomi); }

void BM_AllFiveYear(benchmark::State& state) {
    ForEveryDayOfTheYear(state, [](std::int32_t jdn) {
        return DafYomi(jdn).page + YerushalmiYomi(jdn).page + MishnaYomit(jdn).mishna + HalachaYomit(jdn).seif +
               TanachYomi(jdn).seder;
    });
}

// With the texts the export writes, in the English interface.
void BM_AllFiveTextsYear(benchmark::State& state) {
    LoadLanguage(kLanguageEnglish);
    ForEveryDayOfTheYear(state, [](std::int32_t jdn) {
        std::size_t length = 0;
        for (const StudyProgramme programme :
             {StudyProgramme::DafYomi, StudyProgramme::YerushalmiYomi, StudyProgramme::MishnaYomit,
              StudyProgramme::HalachaYomit, StudyProgramme::TanachYomi})
            length += StudyLine(programme, jdn).size();
        return length;
    });
}

BENCHMARK(BM_DafYomiYear)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_YerushalmiYomiYear)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MishnaYomitYear)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HalachaYomitYear)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TanachYomiYear)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AllFiveYear)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AllFiveTextsYear)->Unit(benchmark::kMicrosecond);

} // namespace

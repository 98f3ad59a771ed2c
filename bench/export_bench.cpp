// The year export: building the whole file of a civil year in memory, and writing it to
// disk safely (a file beside the target, flushed, renamed over it). A year should cost
// little more to compute than to write.
#include "calendar/DateOperations.h"
#include "locations/LocationRow.h"
#include "text/Language.h"
#include "dayview/ExportCsv.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using namespace vessant;

DATE_STRUCT MidYear(int year) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    SetCivilDate(date, year, 7, 1);
    return date;
}

DAY_INPUTS Place(int which) {
    DAY_INPUTS inputs;
    inputs.location = ParseLocationRow(which == 0 ? kBuiltinRow0 : kBuiltinRow1).location;
    return inputs;
}

// Arguments: 0 Jerusalem (Israel), 1 Pittsburgh (Diaspora, DST rule 25); clock format.
void BM_ExportYearBytes(benchmark::State& state) {
    LoadLanguage(kLanguageEnglish);
    CCSVExport exporter(static_cast<int>(state.range(1)));
    exporter.SetInputs(Place(static_cast<int>(state.range(0))));
    const DATE_STRUCT date = MidYear(2024);
    std::string bytes;
    for (auto _ : state) {
        exporter.YearBytes(date, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_ExportYearBytes)->Args({0, 24})->Args({1, 12})->Unit(benchmark::kMillisecond);

// The same year written to a file as the export command writes it.
void BM_ExportYearToFile(benchmark::State& state) {
    LoadLanguage(kLanguageEnglish);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vessant_export_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    CCSVExport exporter(12);
    exporter.SetInputs(Place(1));
    exporter.SetFileName(folder / "2024.csv");
    const DATE_STRUCT date = MidYear(2024);
    for (auto _ : state) {
        if (exporter.ExportYear(date)) {
            state.SkipWithError("the export could not be written");
            break;
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ExportYearToFile)->Unit(benchmark::kMillisecond);

} // namespace

// Loading, sorting and saving a large event list, and asking it for a month of days as
// the month table does.
#include "calendar/DateOperations.h"
#include "userdata/EventList.h"

#include "platform/AtomicFile.h"
#include "platform/ProfileFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <unistd.h>

namespace {

using namespace vessant;

// A folder holding an events.ini of `count` events in random title order, as a file
// written by hand or by the transfer tool may be.
std::filesystem::path EventsFolder(int count) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("vessant_bench_events_" + std::to_string(::getpid()) + "_" +
                         std::to_string(count));
    std::filesystem::create_directories(folder);
    std::mt19937 random(static_cast<unsigned>(count));
    platform::ProfileFile profile;
    for (int i = 0; i < count; ++i) {
        const std::wstring section = std::to_wstring(i);
        profile.WriteInt(section, L"jdn", 2415021 + static_cast<int>(random() % 45000)); // 1900 to 2023
        profile.WriteInt(section, L"type", static_cast<int>(random() % 6));
        profile.WriteInt(section, L"cal", 1 + static_cast<int>(random() % 3));
        profile.WriteString(section, L"desc", L"Description of event number " + std::to_wstring(i));
        profile.WriteString(section, L"title", L"Title " + std::to_wstring(random() % 100000));
    }
    platform::WriteFileAtomically(folder / "events.ini", profile.Serialize());
    return folder;
}

void BM_LoadUserEvents(benchmark::State& state) {
    const auto folder = EventsFolder(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CEventList list;
        list.SetFolder(folder);
        benchmark::DoNotOptimize(list.Load());
        benchmark::DoNotOptimize(list.Count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadUserEvents)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_SaveUserEvents(benchmark::State& state) {
    const auto folder = EventsFolder(static_cast<int>(state.range(0)));
    CEventList list;
    list.SetFolder(folder);
    list.Load();
    for (auto _ : state)
        benchmark::DoNotOptimize(list.Save());
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SaveUserEvents)->Arg(5000)->Unit(benchmark::kMillisecond);

// The 42 cells of a month table, every event asked on every day.
void BM_MonthOfEventsOnDay(benchmark::State& state) {
    const auto folder = EventsFolder(static_cast<int>(state.range(0)));
    CEventList list;
    list.SetFolder(folder);
    list.Load();
    std::vector<EVENT_OCCURRENCE> events;
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    int day = 2460676;   // 1 January 2025
    for (auto _ : state) {
        std::size_t recurring = 0;
        for (int cell = 0; cell < 42; ++cell) {
            SetDayNumber(date, day + cell);
            list.EventsOnDay(date, events);
            recurring += events.size();
        }
        benchmark::DoNotOptimize(recurring);
        day = day == 2460676 + 3650 ? 2460676 : day + 30;
    }
    state.SetItemsProcessed(state.iterations() * 42 * state.range(0));
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_MonthOfEventsOnDay)->Arg(100)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace

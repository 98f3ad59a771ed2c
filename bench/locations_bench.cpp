// Loading the user's location list from options.ini at start-up.

#include "locations/LocationList.h"
#include "locations/LocationRow.h"
#include "locations/LocationTables.h"
#include "locations/LocationSources.h"
#include "platform/ProfileFile.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using vessant::LOCATION_LIST;
using vessant::platform::ProfileFile;

// The bytes of an options.ini whose locations section holds `count` rows, taken in turn
// from the two built-in tables (some with settings sections around them, as a real file).
std::string OptionsFileWith(int count) {
    LOCATION_LIST list;
    for (int i = 0; i < count; ++i) {
        const bool israel = i % 2 == 0;
        const int index = i / 2;
        const vessant::LOCATION_TABLE_ENTRY& entry =
            israel ? vessant::IsraelTableEntry(index % vessant::kIsraelTableSize)
                   : vessant::WorldTableEntry(index % vessant::kWorldTableSize);
        vessant::LOC_STRUCT loc =
            vessant::LocationFromTableEntry(entry, israel ? 0 : 1, israel ? 15 : 25,
                                            israel ? 1 : 3, israel ? 3 : 2);
        loc.city += L" " + std::to_wstring(i);
        list.locations.push_back(loc);
    }
    list.defaultIndex = count / 2;
    ProfileFile file;
    file.WriteString(L"Version", L"Program", L"3.2.46.29");
    file.WriteInt(L"Display", L"Language", 9);
    vessant::SaveLocations(list, file);
    file.WriteInt(L"Colors", L"Hebrew", 16711680);
    return file.Serialize();
}

vessant::LOCATION_LOAD_FLAGS NoCustomShitot() {
    vessant::LOCATION_LOAD_FLAGS flags;
    flags.shitaExists = [](std::int32_t) { return false; };
    return flags;
}

// The whole load as start-up does it: the file parsed, then the section read.
void BM_LoadLocationsFromFile(benchmark::State& state) {
    const std::string bytes = OptionsFileWith(static_cast<int>(state.range(0)));
    const vessant::LOCATION_LOAD_FLAGS flags = NoCustomShitot();
    for (auto _ : state) {
        const ProfileFile file = ProfileFile::FromBytes(bytes);
        LOCATION_LIST list;
        vessant::LoadLocations(list, file, flags);
        benchmark::DoNotOptimize(list.locations.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadLocationsFromFile)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

// Reading the section of a file already parsed (the Locations page reloads this way).
void BM_LoadLocationsSection(benchmark::State& state) {
    const ProfileFile file = ProfileFile::FromBytes(OptionsFileWith(static_cast<int>(state.range(0))));
    const vessant::LOCATION_LOAD_FLAGS flags = NoCustomShitot();
    for (auto _ : state) {
        LOCATION_LIST list;
        vessant::LoadLocations(list, file, flags);
        benchmark::DoNotOptimize(list.locations.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadLocationsSection)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_SaveLocations(benchmark::State& state) {
    ProfileFile file = ProfileFile::FromBytes(OptionsFileWith(static_cast<int>(state.range(0))));
    LOCATION_LIST list;
    vessant::LoadLocations(list, file, NoCustomShitot());
    for (auto _ : state) {
        vessant::SaveLocations(list, file);
        benchmark::DoNotOptimize(file.Serialize().size());
    }
}
BENCHMARK(BM_SaveLocations)->Arg(500)->Unit(benchmark::kMillisecond);

} // namespace

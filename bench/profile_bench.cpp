// Profile files: a store of 5000 sections with 5 keys each (the size of a large event
// list) loaded from disk and every key read.

#include "platform/ProfileFile.h"
#include "platform/TextCodec.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using vessant::platform::ProfileFile;

constexpr int kSections = 5000;
constexpr int kKeys = 5;
const wchar_t* const kKeyNames[kKeys] = {L"title", L"type", L"jdn", L"flags", L"note"};

std::wstring SectionName(int s) {
    return L"Event " + std::to_wstring(s);
}

// The test file, written once and removed when the program ends.
struct BenchProfile {
    std::filesystem::path path;
    ~BenchProfile() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
};

const std::filesystem::path& BenchFile() {
    static const BenchProfile file{[] {
        const auto path = std::filesystem::temp_directory_path() /
                          ("vessant_profile_bench_" + std::to_string(::getpid()) + ".ini");
        std::wstring text;
        for (int s = 0; s < kSections; ++s) {
            text += L"[" + SectionName(s) + L"]\r\n";
            text += L"title=Yahrzeit of someone dear, number " + std::to_wstring(s) + L"\r\n";
            text += L"type=" + std::to_wstring(s % 4 + 1) + L"\r\n";
            text += L"jdn=" + std::to_wstring(2460000 + s) + L"\r\n";
            text += L"flags=" + std::to_wstring(s % 3) + L"\r\n";
            text += L"note=\r\n";
        }
        std::ofstream out(path, std::ios::binary);
        out << "\xFF\xFE" << vessant::platform::Utf16LeFromWide(text);
        return path;
    }()};
    return file.path;
}

std::vector<std::wstring> SectionNames() {
    std::vector<std::wstring> names;
    for (int s = 0; s < kSections; ++s)
        names.push_back(SectionName(s));
    return names;
}

void BM_ProfileLoadAndReadEveryKey(benchmark::State& state) {
    const auto& file = BenchFile();
    for (auto _ : state) {
        const ProfileFile profile = ProfileFile::Open(file);
        std::int64_t sum = 0;
        for (const std::wstring& section : profile.SectionNames())
            for (const wchar_t* key : kKeyNames)
                sum += static_cast<std::int64_t>(profile.GetString(section, key).size());
        benchmark::DoNotOptimize(sum);
    }
    state.counters["keys"] = kSections * kKeys;
}
BENCHMARK(BM_ProfileLoadAndReadEveryKey)->Unit(benchmark::kMillisecond);

void BM_ProfileLoadOnly(benchmark::State& state) {
    const auto& file = BenchFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(ProfileFile::Open(file));
}
BENCHMARK(BM_ProfileLoadOnly)->Unit(benchmark::kMillisecond);

void BM_ProfileReadEveryKeyFromMemory(benchmark::State& state) {
    const ProfileFile profile = ProfileFile::Open(BenchFile());
    const auto names = SectionNames();
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (const std::wstring& section : names)
            for (const wchar_t* key : kKeyNames)
                sum += profile.GetInt(section, key, 0);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ProfileReadEveryKeyFromMemory)->Unit(benchmark::kMillisecond);

void BM_ProfileSave(benchmark::State& state) {
    const auto target = std::filesystem::temp_directory_path() /
                        ("vessant_profile_bench_save_" + std::to_string(::getpid()) + ".ini");
    ProfileFile profile = ProfileFile::Open(BenchFile());
    profile = ProfileFile::FromBytes(profile.Serialize(), target);
    for (auto _ : state) {
        if (auto error = profile.Save())
            state.SkipWithError(error.message().c_str());
    }
    std::filesystem::remove(target);
}
BENCHMARK(BM_ProfileSave)->Unit(benchmark::kMillisecond);

} // namespace

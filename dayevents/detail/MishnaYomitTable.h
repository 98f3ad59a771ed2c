#pragma once
// The Mishna yomit day table, built at compile time from the chapter counts: day k of the
// cycle begins at mishna 2k - 1 of the running sequence of all mishnayot, so a day's pair
// may run across a chapter or a tractate.

#include "dayevents/detail/MishnaChapterTable.h"

#include <array>
#include <cstdint>

namespace vessant {

struct MISHNA_ENTRY {
    std::uint8_t tractate; // 1..63; 0 in entry 0, which has no reading
    std::uint8_t chapter;
    std::uint8_t mishna;
};

inline constexpr int kMishnayot = 4192;
inline constexpr int kMishnaYomitEntries = kMishnayot / 2;

// False when a row of the chapter table has counts that do not match its chapters.
constexpr bool MishnaChaptersWellFormed() {
    for (const MISHNA_TRACTATE_CHAPTERS& row : kMishnaChapters) {
        if (row.chapters < 1 || row.chapters > kMishnaMaxChapters)
            return false;
        for (int c = 0; c < kMishnaMaxChapters; ++c) {
            if ((c < row.chapters) != (row.mishnayot[static_cast<std::size_t>(c)] > 0))
                return false;
        }
    }
    return true;
}

constexpr int CountMishnayot() {
    int total = 0;
    for (const MISHNA_TRACTATE_CHAPTERS& row : kMishnaChapters) {
        for (int c = 0; c < row.chapters; ++c)
            total += row.mishnayot[static_cast<std::size_t>(c)];
    }
    return total;
}

static_assert(MishnaChaptersWellFormed(), "a chapter row has a count past its chapters");
static_assert(CountMishnayot() == kMishnayot, "the Mishnah has 4192 mishnayot");

constexpr std::array<MISHNA_ENTRY, kMishnaYomitEntries + 1> BuildMishnaYomitTable() {
    std::array<MISHNA_ENTRY, kMishnaYomitEntries + 1> table{};
    int running = 0; // mishnayot read so far
    for (int t = 0; t < kMishnaTractates; ++t) {
        const MISHNA_TRACTATE_CHAPTERS& row = kMishnaChapters[t];
        for (int c = 0; c < row.chapters; ++c) {
            for (int m = 1; m <= row.mishnayot[static_cast<std::size_t>(c)]; ++m) {
                ++running;
                if (running % 2 == 1) // the first of a day's pair
                    table[static_cast<std::size_t>((running + 1) / 2)] =
                        {static_cast<std::uint8_t>(t + 1), static_cast<std::uint8_t>(c + 1),
                         static_cast<std::uint8_t>(m)};
            }
        }
    }
    return table;
}

inline constexpr std::array<MISHNA_ENTRY, kMishnaYomitEntries + 1> kMishnaYomitTable =
    BuildMishnaYomitTable();

} // namespace vessant

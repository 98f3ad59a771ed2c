#pragma once
// The Yerushalmi yomi tractates in cycle order: the day index each starts at.

#include <cstdint>

namespace vessant {

inline constexpr int kYerushalmiTractates = 39;
inline constexpr std::int32_t kYerushalmiCycleDays = 1554; // study days, skip days not counted

// Row t - 1 is where tractate t starts (text: resource 537 + t); row 39 is the sentinel
// kStudyTableSentinel.
extern const std::int32_t kYerushalmiStarts[kYerushalmiTractates + 1];

} // namespace vessant

#pragma once
// Tanach yomi: how many study days each book of the Prophets and Writings gets, by the
// year's variant.

#include <cstdint>

namespace vessant {

inline constexpr int kTanachBooks = 20;       // books 1..19 in a common year, 1..20 in a leap year
inline constexpr int kTanachCommonBooks = 19;
inline constexpr int kTanachVariants = 6;

// Row v, column b - 1: days of book b (text: resource 930 + b) in variant v.
extern const std::uint8_t kTanachDaysPerBook[kTanachVariants][kTanachBooks];

} // namespace vessant

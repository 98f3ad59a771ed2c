#pragma once
// Daylight-saving rules: for any civil day, whether daylight saving is in force under one
// of the 25 rules a location can carry, or begins or ends that day. The status is a
// property of the whole day; no time of day is involved.

#include <cstdint>
#include <string>

namespace vessant {

inline constexpr int kDstRuleCount = 25;
inline constexpr int kDstRuleAlwaysOff = 1;
inline constexpr int kDstRuleAlwaysOn = 2;
inline constexpr int kDstRuleIsrael = 15;

// Status of a day. Daylight saving is in force when the status is above kDstEnds.
inline constexpr int kDstStandard = 0; // standard time
inline constexpr int kDstEnds = 1;     // the day it ends; the day itself is standard time
inline constexpr int kDstBegins = 2;   // the day it begins; the day itself is daylight time
inline constexpr int kDstInForce = 3;  // inside the period

// Status of civil day jd under rule 1..25. A year the rule does not cover (before its
// first year) and an unknown rule number count as standard time.
int DstStatus(int rule, std::int32_t jd);

struct DST_PERIOD {
    bool defined = false;    // false: the rule sets no period for the year
    std::int32_t start = 0;  // day number of the first daylight-time day
    std::int32_t end = 0;    // day number of the day it ends (standard time)
};

// The start and end days of a rule in civil year `year` (for rules 3..25; rules 1 and 2
// have no dates). A period with start >= end runs across the new year.
DST_PERIOD DstPeriod(int rule, int year);

// Display names: rule 1..25 (resources 265..289) and status 0..3 ("Standard time",
// "DST ends", "DST begins", "Daylight saving time"). Empty otherwise.
const std::wstring& DstRuleName(int rule);
const std::wstring& DstStatusText(int status);

} // namespace vessant

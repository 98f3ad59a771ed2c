#pragma once
// What stands beside a user event on a day: the years it counts, and the kind of event.

#include "userdata/EventList.h"

#include <string>

namespace vessant {

// The years of an event as a sentence tells them ("(13 Hebrew)") or as a month cell has
// room for ("13h"); a yahrzeit, a Bar or Bat Mitzvah year or a birth is a word in both,
// and an event without a count has nothing.
enum class CountForm { Sentence, Cell };
std::wstring EventCountText(const EVENT_OCCURRENCE& event, CountForm form);

// "Birthday (female)", "Anniversary", "Yahrzeit (Ashkenazim)": the kind of event, or
// nothing for a one-time event. A yahrzeit is named only where it is kept by its Hebrew
// date.
std::wstring EventKindText(const EVENT_OCCURRENCE& event);

} // namespace vessant

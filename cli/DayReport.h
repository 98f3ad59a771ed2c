#pragma once
// Everything known about one day at one location, written as text or JSON: both dates,
// the holidays with their times, the Shabbat portion with its times, the haftarah in the
// chosen rite, the study portions, the user's events, the zmanim of the location's shita
// and the daylight-saving status. The facts come from the day model; this file only
// tells them.

#include "calendar/DateStruct.h"
#include "cli/CliContext.h"
#include "cli/Json.h"
#include "dayview/DayFacts.h"
#include "dayview/DayInputs.h"

#include <string>

namespace vessant::cli {

// The location and choices of this run, with the data folder's shitot and events.
DAY_INPUTS DayInputsOf(const CLI_CONTEXT& context);

// Every fact of a day, as a view of the whole day gives them.
DAY_FACTS BuildDayReport(const CLI_CONTEXT& context, const DATE_STRUCT& date);

// The zmanim of the location's shita for a day.
DAY_ZMANIM DayZmanimOf(const CLI_CONTEXT& context, const DATE_STRUCT& date);

// The zmanim as aligned "label  time" lines, and as the JSON object "zmanim".
std::string ZmanimLines(const DAY_ZMANIM& zmanim, int clockFormat);
void ZmanimJson(CJsonWriter& json, const DAY_ZMANIM& zmanim);
// The JSON object "dst" of a daylight-saving status.
void DstJson(CJsonWriter& json, int dstStatus);

// The report as the reader sees it, and as JSON.
std::string DayReportText(const CLI_CONTEXT& context, const DAY_FACTS& day);
std::string DayReportJson(const CLI_CONTEXT& context, const DAY_FACTS& day);

} // namespace vessant::cli

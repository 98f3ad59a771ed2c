#pragma once
// Small pieces of text the commands share: UTF-8 output of the program's wide strings,
// clock texts, the description of a location and the names of shitot.

#include "cli/CliContext.h"
#include "cli/Json.h"
#include "calendar/DateStruct.h"
#include "calendar/TextTemplate.h"
#include "zmanim/ClockConversion.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace vessant::cli {

std::string Utf8(std::wstring_view text);
std::wstring Wide(std::string_view utf8);

// A text of the loaded language by string-resource id (cli/CliTextIds.h), as UTF-8, its
// placeholders filled by the template filler: a translated text never reaches printf.
std::string Say(int resourceId, std::initializer_list<TemplateArg> args = {});

// "13:07" or " 1:07p", as the calendar writes clock times in the chosen format.
std::wstring ClockText(const CLOCK_TIME& time, int clockFormat);
// "13:07": always 24-hour with two-digit hours, for JSON.
std::wstring Clock24(const CLOCK_TIME& time);
// "13:42:05".
std::wstring DurationText(const DURATION_HMS& length);

// The shita's display name: built-in 1..6, a custom one from shitot.ini, else its number.
std::wstring ShitaName(int shita);

// "31°46' N, 35°14' E".
std::wstring CoordinatesText(const LOC_STRUCT& location);

// Minutes before sunset of candle-lighting choice 1..6 (18 for any other value).
int CandleLightingMinutes(int choice);

// "Jerusalem, Israel".
std::wstring PlaceName(const LOC_STRUCT& location);

// The lines that say which location a command used and how its times are reckoned.
std::string LocationLines(const CLI_CONTEXT& context);
void LocationJson(CJsonWriter& json, const CLI_CONTEXT& context);

// "2024-04-23" of the civil date as the user sees it.
std::wstring IsoDate(const DATE_STRUCT& date);

// A text cut to at most `width` characters, the last one an ellipsis when it was cut.
std::wstring Fit(std::wstring_view text, std::size_t width);

} // namespace vessant::cli

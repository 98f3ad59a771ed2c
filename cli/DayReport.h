#pragma once
// Everything known about one day at one location, gathered once and then written as text
// or JSON: both dates, the holidays with their times, the Shabbat portion with its times,
// the haftarah in the chosen rite, the study portions, the user's events, the zmanim of
// the location's shita and the daylight-saving status.

#include "calendar/DateStruct.h"
#include "cli/CliContext.h"
#include "cli/Json.h"
#include "dayevents/WeeklyPortion.h"
#include "zmanim/ClockConversion.h"

#include <string>
#include <vector>

namespace vessant::cli {

struct TIME_ITEM {
    std::string key;      // for JSON: "candleLighting", "fastBegins", ...
    std::wstring label;   // from the string table
    CLOCK_TIME time;
};

struct HOLIDAY_ITEM {
    int code = 0;
    int value = 0;        // kind of day, or the Omer count
    std::wstring text;
    std::vector<TIME_ITEM> times;
};

struct STUDY_ITEM {
    std::string key;      // "dafYomi", ...
    std::wstring label;   // "Daf yomi"
    std::wstring text;    // "Berachot 2"
};

struct EVENT_ITEM {
    std::wstring title;
    std::wstring annotation; // "(13 Hebrew)", "Born", ...; may be empty
    std::wstring kind;       // "Birthday (male)", ...; may be empty
    std::wstring description;
    int type = 0;
};

struct ZMAN_ITEM {
    std::string key;         // "alot", ...
    std::wstring label;      // "Alot Hashachar"
    bool duration = false;
    CLOCK_TIME time;         // when not a duration
    DURATION_HMS length;     // when a duration
};

struct DAY_REPORT {
    DATE_STRUCT date;
    int weekday = 0;
    std::vector<HOLIDAY_ITEM> holidays;
    bool shabbat = false;
    PORTION_INFO portion;
    std::wstring portionText;
    std::wstring specialText;
    std::vector<TIME_ITEM> shabbatTimes;   // Shabbat only
    int haftarahCase = 0;
    std::vector<std::wstring> haftarah;    // morning readings
    std::vector<std::wstring> haftarahAfternoon;
    std::vector<STUDY_ITEM> study;         // programmes with a reading only
    std::vector<EVENT_ITEM> events;
    std::vector<ZMAN_ITEM> zmanim;
    int dstStatus = 0;
};

DAY_REPORT BuildDayReport(const CLI_CONTEXT& context, const DATE_STRUCT& date);

// The zmanim of the location's shita for a day, in the order the month view lists them.
std::vector<ZMAN_ITEM> DayZmanim(const CLI_CONTEXT& context, const DATE_STRUCT& date);

// The times that go with a holiday on a day: yom tov candle lighting and havdalah, the
// fast's beginning and end, the latest times for chametz.
std::vector<TIME_ITEM> HolidayTimes(const CLI_CONTEXT& context, const DATE_STRUCT& date, int code);

// The zmanim as aligned "label  time" lines, and as the JSON object "zmanim".
std::string ZmanimLines(const std::vector<ZMAN_ITEM>& zmanim, int clockFormat);
void ZmanimJson(CJsonWriter& json, const std::vector<ZMAN_ITEM>& zmanim);
// The JSON object "dst" of a daylight-saving status.
void DstJson(CJsonWriter& json, int dstStatus);

// The report as the reader sees it, and as JSON.
std::string DayReportText(const CLI_CONTEXT& context, const DAY_REPORT& report);
std::string DayReportJson(const CLI_CONTEXT& context, const DAY_REPORT& report);

} // namespace vessant::cli

#include "cli/DayReport.h"

#include "calendar/CalendarTexts.h"
#include "calendar/DateOperations.h"
#include "calendar/DateText.h"
#include "cli/CliText.h"
#include "cli/CliTextIds.h"
#include "dayview/DayBuilder.h"
#include "dayview/DayTextIds.h"
#include "dayview/EventAnnotation.h"
#include "text/Language.h"
#include "text/TextTable.h"
#include "userdata/EventList.h"
#include "zmanim/DstRules.h"
#include "zmanim/ShitotStore.h"

#include <algorithm>

namespace vessant::cli {
namespace {

// The Shabbat times with the labels of a day report.
struct SHABBAT_TIME {
    const char* key;
    int labelId;
    CLOCK_TIME time;
};

void ShabbatTimes(const DAY_FACTS& day, SHABBAT_TIME (&times)[2]) {
    times[0] = {"candleLighting", kIdKnissatShabbat, day.candleLighting};
    times[1] = {"havdalah", kIdTzeitShabbat, day.havdalah};
}

std::string ClockLine(const std::string& indent, int labelId, CLOCK_TIME time, int clock) {
    return indent + Utf8(TextOfResource(labelId)) + ": " + Utf8(ClockText(time, clock)) + "\n";
}

} // namespace

DAY_INPUTS DayInputsOf(const CLI_CONTEXT& context) {
    DAY_INPUTS inputs;
    inputs.location = context.location;
    inputs.shitot = &ProgramShitot();
    inputs.events = &UserEvents();
    inputs.rite = context.rite;
    inputs.hebrewInterface = IsHebrewInterface();
    return inputs;
}

DAY_FACTS BuildDayReport(const CLI_CONTEXT& context, const DATE_STRUCT& date) {
    CDayBuilder builder(DayInputsOf(context), TimesView::WholeDay);
    DAY_FACTS day;
    builder.Build(date, kDayEverything, day);
    return day;
}

DAY_ZMANIM DayZmanimOf(const CLI_CONTEXT& context, const DATE_STRUCT& date) {
    CDayBuilder builder(DayInputsOf(context), TimesView::WholeDay);
    DAY_FACTS day;
    builder.Build(date, kDayZmanim, day);
    return day.zmanim;
}

std::string ZmanimLines(const DAY_ZMANIM& zmanim, int clockFormat) {
    std::size_t width = 0;
    for (const DAY_ZMAN& z : zmanim)
        width = std::max(width, TextOfResource(z.labelId).size());
    std::string out;
    for (const DAY_ZMAN& z : zmanim) {
        const std::wstring& label = TextOfResource(z.labelId);
        out += "  " + Utf8(label) + std::string(width - label.size() + 2, ' ') +
               Utf8(z.duration ? DurationText(z.length) : ClockText(z.time, clockFormat)) + "\n";
    }
    return out;
}

void ZmanimJson(CJsonWriter& json, const DAY_ZMANIM& zmanim) {
    json.BeginObject("zmanim");
    for (const DAY_ZMAN& z : zmanim)
        json.String(z.key, z.duration ? DurationText(z.length) : Clock24(z.time));
    json.EndObject();
}

void DstJson(CJsonWriter& json, int dstStatus) {
    json.BeginObject("dst");
    json.Number("status", dstStatus);
    json.Bool("inForce", dstStatus > kDstEnds);
    json.String("text", DstStatusText(dstStatus));
    json.EndObject();
}

std::string DayReportText(const CLI_CONTEXT& context, const DAY_FACTS& day) {
    const int clock = context.clockFormat;
    std::string out;
    out += Utf8(WeekdayName(day.weekday)) + ", " + Utf8(FormatCivilDate(day.date)) + "\n";
    out += Utf8(FormatHebrewDate(day.date)) + "\n";

    if (day.holidayCount > 0) {
        out += "\n" + Say(kIdHolidaysHeading) + "\n";
        for (int i = 0; i < day.holidayCount; ++i) {
            const DAY_HOLIDAY& h = day.holidays[static_cast<std::size_t>(i)];
            out += "  " + Utf8(h.text) + "\n";
            for (int k = 0; k < h.TimesShown(); ++k)
                out += ClockLine("    ", HolidayTimeLabel(h.times[k].which).labelId, h.times[k].time, clock);
        }
    }
    if (day.shabbat) {
        out += "\n" + Say(kIdHeading, {TextOfResource(kIdShabbat)}) + "\n";
        if (!day.portionText.empty())
            out += "  " + Say(kIdPortion, {day.portionText}) + "\n";
        else
            out += "  " + Say(kIdNoPortion) + "\n";
        if (!day.specialText.empty())
            out += "  " + Utf8(day.specialText) + "\n";
        SHABBAT_TIME times[2];
        ShabbatTimes(day, times);
        for (const SHABBAT_TIME& t : times)
            out += ClockLine("  ", t.labelId, t.time, clock);
    }
    const HAFTARAH_LIST& morning = day.haftarah;
    const HAFTARAH_LIST& afternoon = day.haftarahAfternoon;
    if (morning.count > 0 || afternoon.count > 0) {
        out += "\n" + Say(kIdHeadingWithDetail, {TextOfResource(kIdHaftarah), HaftarahRiteName(context.rite)}) + "\n";
        const std::string indent = afternoon.count == 0 ? "  " : "    ";
        if (afternoon.count > 0)
            out += "  " + Utf8(TextOfResource(kIdShacharit)) + ":\n";
        for (int i = 0; i < morning.count; ++i)
            out += indent + Utf8(HaftarahRefText(morning.refs[i])) + "\n";
        if (afternoon.count > 0) {
            out += "  " + Utf8(TextOfResource(kIdMincha)) + ":\n";
            for (int i = 0; i < afternoon.count; ++i)
                out += indent + Utf8(HaftarahRefText(afternoon.refs[i])) + "\n";
        }
    }
    std::string study;
    for (const STUDY_ROW& row : kStudyRows)
        if (const std::wstring& text = day.Study(row.programme); !text.empty())
            study += "  " + Utf8(TextOfResource(row.labelId)) + ": " + Utf8(text) + "\n";
    if (!study.empty())
        out += "\n" + Say(kIdStudyHeading) + "\n" + study;
    std::string events;
    for (const EVENT_OCCURRENCE& e : day.events) {
        if (e.title.empty())
            continue;
        events += "  " + Utf8(e.title);
        if (const std::wstring count = EventCountText(e, CountForm::Sentence); !count.empty())
            events += " " + Utf8(count);
        if (const std::wstring kind = EventKindText(e); !kind.empty())
            events += " - " + Utf8(kind);
        events += "\n";
        if (!e.desc.empty())
            events += "    " + Utf8(e.desc) + "\n";
    }
    if (!events.empty())
        out += "\n" + Say(kIdEventsHeading) + "\n" + events;
    out += "\n" + Say(kIdHeadingWithDetail, {TextOfResource(kIdZmanimTitle), ShitaName(context.location.shita)}) + "\n";
    out += ZmanimLines(day.zmanim, clock);
    out += "\n" + Say(kIdDaylightSaving, {DstStatusText(day.dstStatus)}) + "\n";
    out += LocationLines(context);
    return out;
}

std::string DayReportJson(const CLI_CONTEXT& context, const DAY_FACTS& day) {
    CJsonWriter json;
    json.BeginObject();
    json.String("date", IsoDate(day.date));
    json.Number("weekday", day.weekday);
    json.String("weekdayName", WeekdayName(day.weekday));
    json.String("civilText", FormatCivilDate(day.date));
    json.BeginObject("hebrew");
    json.Number("day", day.date.hebDay);
    json.Number("month", day.date.hebMonth);
    json.String("monthName", HebrewMonthName(day.date.hebMonth));
    json.Number("year", day.date.hebYear);
    json.String("text", FormatHebrewDate(day.date));
    json.EndObject();
    json.Number("julianDay", day.date.dayNumber);

    json.BeginArray("holidays");
    for (int i = 0; i < day.holidayCount; ++i) {
        const DAY_HOLIDAY& h = day.holidays[static_cast<std::size_t>(i)];
        json.BeginObject();
        json.Number("code", h.code);
        json.String("text", h.text);
        json.Number(h.code == kCodeOmer ? "omer" : "kind", h.value);
        json.BeginObject("times");
        for (int k = 0; k < h.TimesShown(); ++k)
            json.String(HolidayTimeLabel(h.times[k].which).key, Clock24(h.times[k].time));
        json.EndObject();
        json.EndObject();
    }
    json.EndArray();

    if (day.shabbat) {
        json.BeginObject("shabbat");
        json.String("portion", day.portionText);
        json.Number("firstPortion", day.portion.first);
        json.Number("secondPortion", day.portion.second);
        json.String("special", day.specialText);
        SHABBAT_TIME times[2];
        ShabbatTimes(day, times);
        for (const SHABBAT_TIME& t : times)
            json.String(t.key, Clock24(t.time));
        json.EndObject();
    } else {
        json.Null("shabbat");
    }

    json.BeginObject("haftarah");
    json.Number("rite", context.rite);
    json.String("riteName", HaftarahRiteName(context.rite));
    json.BeginArray("readings");
    for (int i = 0; i < day.haftarah.count; ++i)
        json.String(HaftarahRefText(day.haftarah.refs[i]));
    json.EndArray();
    json.BeginArray("afternoon");
    for (int i = 0; i < day.haftarahAfternoon.count; ++i)
        json.String(HaftarahRefText(day.haftarahAfternoon.refs[i]));
    json.EndArray();
    json.EndObject();

    json.BeginObject("study");
    for (const STUDY_ROW& row : kStudyRows)
        if (const std::wstring& text = day.Study(row.programme); !text.empty())
            json.String(row.key, text);
    json.EndObject();

    json.BeginArray("events");
    for (const EVENT_OCCURRENCE& e : day.events) {
        if (e.title.empty())
            continue;
        json.BeginObject();
        json.String("title", e.title);
        json.Number("type", e.type);
        json.String("annotation", EventCountText(e, CountForm::Sentence));
        json.String("kind", EventKindText(e));
        json.String("description", e.desc);
        json.EndObject();
    }
    json.EndArray();

    ZmanimJson(json, day.zmanim);
    DstJson(json, day.dstStatus);
    LocationJson(json, context);
    json.EndObject();
    return json.Text();
}

} // namespace vessant::cli

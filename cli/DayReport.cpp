#include "cli/DayReport.h"

#include "calendar/CalendarTexts.h"
#include "calendar/DateOperations.h"
#include "calendar/DateText.h"
#include "cli/CliText.h"
#include "cli/CliTextIds.h"
#include "dayevents/DayEvents.h"
#include "dayevents/Haftarah.h"
#include "dayevents/HolidayTimes.h"
#include "dayevents/StudyText.h"
#include "locations/LocationCoordinates.h"
#include "text/TextTable.h"
#include "userdata/EventList.h"
#include "zmanim/DstRules.h"
#include "zmanim/Zmanim.h"

#include <algorithm>
#include <initializer_list>

namespace vessant::cli {
namespace {

// String resources of the day's labels.
constexpr int kKnissatShabbat = 845;
constexpr int kTzeitShabbat = 846;
constexpr int kBeginTishaBav = 849;
constexpr int kEndTishaBav = 850;
constexpr int kBeginFast = 851;
constexpr int kEndFast = 852;
constexpr int kLatestEat = 854;
constexpr int kLatestBurn = 855;
constexpr int kCandleLighting = 856;
constexpr int kHavdalah = 857;
constexpr int kShacharit = 905;
constexpr int kMincha = 906;


ZMANIM_STRUCT ZmanimFor(const CLI_CONTEXT& context, std::int32_t jdn) {
    const LOCATION_COORDINATES c = LocationCoordinates(context.location);
    ZMANIM_STRUCT zmanim;
    SetupZmanim(zmanim, c.longitude, c.latitude, c.zoneOffsetTenths, context.location.shita, c.dstRule);
    ComputeZmanim(zmanim, jdn);
    return zmanim;
}

TIME_ITEM Item(const char* key, int resource, CLOCK_TIME time) { return {key, TextOfResource(resource), time}; }

// "(13 Hebrew)", the word for a yahrzeit or a Bar Mitzvah year, "Born", or nothing.
std::wstring Annotation(int years, int matchedCal) {
    switch (years) {
    case kYearsNothing: return {};
    case kYearsYahrzeit: return TextOfResource(409);
    case kYearsMitzvah: return TextOfResource(408);
    case kYearsBornMale: return TextOfResource(410);
    case kYearsBornFemale: return TextOfResource(411);
    default: break;
    }
    std::wstring word = matchedCal == 1 ? TextOfResource(406) : matchedCal == 2 ? TextOfResource(407) : L"";
    return L"(" + std::to_wstring(years) + L" " + word + L")";
}

std::vector<EVENT_ITEM> UserEventsOfDay(const CLI_CONTEXT& context, const DATE_STRUCT& date) {
    std::vector<EVENT_ITEM> items;
    CEventList& list = UserEvents();
    SetTransition(list.DayBeingTested(), context.transition);
    list.SetDayBeingTested(date.dayNumber);
    list.ResetEventIterator();
    EVENT_OCCURRENCE occurrence;
    while (list.NextEventForDay(occurrence)) {
        if (occurrence.title.empty())
            continue;
        EVENT_ITEM item;
        item.title = occurrence.title;
        item.type = occurrence.type;
        item.annotation = Annotation(occurrence.years, occurrence.matchedCal);
        // The yahrzeit labels only where the event is kept by its Hebrew date.
        if (occurrence.type <= kEventAnniversary ||
            ((occurrence.type == kEventYahrzeitAshkenazi || occurrence.type == kEventYahrzeitMizrach) &&
             (occurrence.cal == kEventCalendarHebrew || occurrence.cal == kEventCalendarBoth)))
            item.kind = EventTypeText(occurrence.type);
        item.description = occurrence.desc;
        items.push_back(std::move(item));
    }
    return items;
}

} // namespace

std::vector<TIME_ITEM> HolidayTimes(const CLI_CONTEXT& context, const DATE_STRUCT& date, int code) {
    std::vector<TIME_ITEM> times;
    // The whole day is shown, so the fast of the first-born has its times too.
    const HOLIDAY_TIMES which = HolidayTimesOf(code, Weekday(date), context.location.diaspora != 0, true);
    if (which.count == 0)
        return times;
    const ZMANIM_STRUCT zmanim = ZmanimFor(context, date.dayNumber);
    for (int k = 0; k < (which.count < 0 ? 1 : which.count); ++k) {
        switch (which.time[k]) {
        case HolidayTime::CandleLighting:
            times.push_back(Item("candleLighting", kCandleLighting,
                                 GetCandleLighting(zmanim, context.location.candleLighting)));
            break;
        case HolidayTime::Havdalah:
            times.push_back(Item("havdalah", kHavdalah, GetTzeitShabbat(zmanim)));
            break;
        case HolidayTime::Sunset:
            // Tisha B'Av began at the sunset before the day, not at the day's own sunset.
            times.push_back(Item("fastBegins", kBeginTishaBav, GetShkia(ZmanimFor(context, date.dayNumber - 1))));
            break;
        case HolidayTime::Nightfall:
            times.push_back(Item("fastEnds", kEndTishaBav, GetTzeit(zmanim)));
            break;
        case HolidayTime::FastBegins:
            times.push_back(Item("fastBegins", kBeginFast, GetTchilatTaanit(zmanim)));
            break;
        case HolidayTime::FastEnds:
            times.push_back(Item("fastEnds", kEndFast, GetSofTaanit(zmanim)));
            break;
        case HolidayTime::LatestChametzEating:
            times.push_back(Item("latestChametzEating", kLatestEat, GetLatestChametzEating(zmanim)));
            break;
        case HolidayTime::LatestChametzBurning:
            times.push_back(Item("latestChametzBurning", kLatestBurn, GetLatestChametzBurning(zmanim)));
            break;
        }
    }
    return times;
}

std::vector<ZMAN_ITEM> DayZmanim(const CLI_CONTEXT& context, const DATE_STRUCT& date) {
    const ZMANIM_STRUCT z = ZmanimFor(context, date.dayNumber);
    struct ROW {
        const char* key;
        int resource;
        CLOCK_TIME (*get)(const ZMANIM_STRUCT&);
    };
    static constexpr ROW kRows[] = {
        {"alot", 136, GetAlot},
        {"misheyakir", 137, GetMisheyakir},
        {"hanetz", 138, GetHanetz},
        {"sofZmanShema", 139, GetSofZmanShema},
        {"sofZmanTefilla", 140, GetSofZmanTefilla},
        {"chatzot", 141, GetChatzot},
        {"minchaGedola", 142, GetMinchaGedola},
        {"minchaKetana", 143, GetMinchaKetana},
        {"plagHamincha", 144, GetPlagHamincha},
        {"shkia", 145, GetShkia},
        {"tzeit", 146, GetTzeit},
        {"chatzotLayla", 642, GetChatzotLayla},
    };
    struct DURATION_ROW {
        const char* key;
        int resource;
        DURATION_HMS (*get)(const ZMANIM_STRUCT&);
    };
    static constexpr DURATION_ROW kDurations[] = {
        {"dayLength", 147, GetDayLength},
        {"shaaZmanit", 148, GetShaaZmanit},
    };
    std::vector<ZMAN_ITEM> items;
    for (const ROW& row : kRows)
        items.push_back({row.key, TextOfResource(row.resource), false, row.get(z), {}});
    for (const DURATION_ROW& row : kDurations)
        items.push_back({row.key, TextOfResource(row.resource), true, {}, row.get(z)});
    return items;
}

std::string ZmanimLines(const std::vector<ZMAN_ITEM>& zmanim, int clockFormat) {
    std::size_t width = 0;
    for (const ZMAN_ITEM& z : zmanim)
        width = std::max(width, z.label.size());
    std::string out;
    for (const ZMAN_ITEM& z : zmanim)
        out += "  " + Utf8(z.label) + std::string(width - z.label.size() + 2, ' ') +
               Utf8(z.duration ? DurationText(z.length) : ClockText(z.time, clockFormat)) + "\n";
    return out;
}

void ZmanimJson(CJsonWriter& json, const std::vector<ZMAN_ITEM>& zmanim) {
    json.BeginObject("zmanim");
    for (const ZMAN_ITEM& z : zmanim)
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

DAY_REPORT BuildDayReport(const CLI_CONTEXT& context, const DATE_STRUCT& date) {
    DAY_REPORT report;
    report.date = date;
    report.weekday = Weekday(date);
    const bool diaspora = context.location.diaspora != 0;

    DAY_EVENTS events;
    BuildDayEvents(events, date, diaspora);
    for (int i = 0; i < kDayEventSlots; ++i) {
        const DAY_EVENT entry = GetDayEvent(events, i);
        if (entry.code == 0)
            break;
        HOLIDAY_ITEM item;
        item.code = entry.code;
        item.value = entry.value;
        item.text = entry.code == kCodeOmer ? OmerText(entry.value) : DayEventText(entry.code);
        item.times = HolidayTimes(context, date, entry.code);
        report.holidays.push_back(std::move(item));
    }

    if (report.weekday == 7) {
        report.shabbat = true;
        report.portion = WeeklyPortion(PackedMonthDay(date.hebMonth, date.hebDay), date.hebYear, diaspora);
        report.portionText = PortionText(report.portion);
        report.specialText = SpecialShabbatName(report.portion.special);
        const ZMANIM_STRUCT zmanim = ZmanimFor(context, date.dayNumber);
        report.shabbatTimes.push_back(
            Item("candleLighting", kKnissatShabbat, GetCandleLighting(zmanim, context.location.candleLighting)));
        report.shabbatTimes.push_back(Item("havdalah", kTzeitShabbat, GetTzeitShabbat(zmanim)));
    }

    HAFTARAH_LIST morning;
    HAFTARAH_LIST afternoon;
    report.haftarahCase = DayHaftarot(events, report.weekday, date.hebMonth, date.hebYear, report.portion.first,
                                      report.portion.special, diaspora, context.rite, morning, afternoon);
    for (int i = 0; i < morning.count; ++i)
        report.haftarah.push_back(HaftarahRefText(morning.refs[i]));
    for (int i = 0; i < afternoon.count; ++i)
        report.haftarahAfternoon.push_back(HaftarahRefText(afternoon.refs[i]));

    const std::int32_t jdn = date.dayNumber;
    const STUDY_ITEM study[] = {
        {"dafYomi", TextOfResource(kDafYomiLabel), DafYomiText(DafYomi(jdn))},
        {"yerushalmiYomi", TextOfResource(kYerushalmiYomiLabel), YerushalmiYomiText(YerushalmiYomi(jdn))},
        {"mishnaYomit", TextOfResource(kMishnaYomitLabel), MishnaYomitText(MishnaYomit(jdn))},
        {"halachaYomit", TextOfResource(kHalachaYomitLabel), HalachaYomitText(HalachaYomit(jdn))},
        {"tanachYomi", TextOfResource(kTanachYomiLabel), TanachYomiText(TanachYomi(jdn))},
    };
    for (const STUDY_ITEM& item : study)
        if (!item.text.empty())
            report.study.push_back(item);

    report.events = UserEventsOfDay(context, date);
    report.zmanim = DayZmanim(context, date);
    report.dstStatus = DstStatus(context.location.dstRule, jdn);
    return report;
}

std::string DayReportText(const CLI_CONTEXT& context, const DAY_REPORT& r) {
    const int clock = context.clockFormat;
    std::string out;
    out += Utf8(WeekdayName(r.weekday)) + ", " + Utf8(FormatCivilDate(r.date)) + "\n";
    out += Utf8(FormatHebrewDate(r.date)) + "\n";

    if (!r.holidays.empty()) {
        out += "\n" + Say(kIdHolidaysHeading) + "\n";
        for (const HOLIDAY_ITEM& h : r.holidays) {
            out += "  " + Utf8(h.text) + "\n";
            for (const TIME_ITEM& t : h.times)
                out += "    " + Utf8(t.label) + ": " + Utf8(ClockText(t.time, clock)) + "\n";
        }
    }
    if (r.shabbat) {
        out += "\n" + Say(kIdHeading, {TextOfResource(kIdShabbat)}) + "\n";
        if (!r.portionText.empty())
            out += "  " + Say(kIdPortion, {r.portionText}) + "\n";
        else
            out += "  " + Say(kIdNoPortion) + "\n";
        if (!r.specialText.empty())
            out += "  " + Utf8(r.specialText) + "\n";
        for (const TIME_ITEM& t : r.shabbatTimes)
            out += "  " + Utf8(t.label) + ": " + Utf8(ClockText(t.time, clock)) + "\n";
    }
    if (!r.haftarah.empty() || !r.haftarahAfternoon.empty()) {
        out += "\n" + Say(kIdHeadingWithDetail, {TextOfResource(kIdHaftarah), HaftarahRiteName(context.rite)}) + "\n";
        const std::string indent = r.haftarahAfternoon.empty() ? "  " : "    ";
        if (!r.haftarahAfternoon.empty())
            out += "  " + Utf8(TextOfResource(kShacharit)) + ":\n";
        for (const std::wstring& ref : r.haftarah)
            out += indent + Utf8(ref) + "\n";
        if (!r.haftarahAfternoon.empty()) {
            out += "  " + Utf8(TextOfResource(kMincha)) + ":\n";
            for (const std::wstring& ref : r.haftarahAfternoon)
                out += indent + Utf8(ref) + "\n";
        }
    }
    if (!r.study.empty()) {
        out += "\n" + Say(kIdStudyHeading) + "\n";
        for (const STUDY_ITEM& s : r.study)
            out += "  " + Utf8(s.label) + ": " + Utf8(s.text) + "\n";
    }
    if (!r.events.empty()) {
        out += "\n" + Say(kIdEventsHeading) + "\n";
        for (const EVENT_ITEM& e : r.events) {
            out += "  " + Utf8(e.title);
            if (!e.annotation.empty())
                out += " " + Utf8(e.annotation);
            if (!e.kind.empty())
                out += " - " + Utf8(e.kind);
            out += "\n";
            if (!e.description.empty())
                out += "    " + Utf8(e.description) + "\n";
        }
    }
    out += "\n" + Say(kIdHeadingWithDetail, {TextOfResource(kIdZmanim), ShitaName(context.location.shita)}) + "\n";
    out += ZmanimLines(r.zmanim, clock);
    out += "\n" + Say(kIdDaylightSaving, {DstStatusText(r.dstStatus)}) + "\n";
    out += LocationLines(context);
    return out;
}

std::string DayReportJson(const CLI_CONTEXT& context, const DAY_REPORT& r) {
    CJsonWriter json;
    json.BeginObject();
    json.String("date", IsoDate(r.date));
    json.Number("weekday", r.weekday);
    json.String("weekdayName", WeekdayName(r.weekday));
    json.String("civilText", FormatCivilDate(r.date));
    json.BeginObject("hebrew");
    json.Number("day", r.date.hebDay);
    json.Number("month", r.date.hebMonth);
    json.String("monthName", HebrewMonthName(r.date.hebMonth));
    json.Number("year", r.date.hebYear);
    json.String("text", FormatHebrewDate(r.date));
    json.EndObject();
    json.Number("julianDay", r.date.dayNumber);

    json.BeginArray("holidays");
    for (const HOLIDAY_ITEM& h : r.holidays) {
        json.BeginObject();
        json.Number("code", h.code);
        json.String("text", h.text);
        if (h.code == kCodeOmer)
            json.Number("omer", h.value);
        else
            json.Number("kind", h.value);
        json.BeginObject("times");
        for (const TIME_ITEM& t : h.times)
            json.String(t.key, Clock24(t.time));
        json.EndObject();
        json.EndObject();
    }
    json.EndArray();

    if (r.shabbat) {
        json.BeginObject("shabbat");
        json.String("portion", r.portionText);
        json.Number("firstPortion", r.portion.first);
        json.Number("secondPortion", r.portion.second);
        json.String("special", r.specialText);
        for (const TIME_ITEM& t : r.shabbatTimes)
            json.String(t.key, Clock24(t.time));
        json.EndObject();
    } else {
        json.Null("shabbat");
    }

    json.BeginObject("haftarah");
    json.Number("rite", context.rite);
    json.String("riteName", HaftarahRiteName(context.rite));
    json.BeginArray("readings");
    for (const std::wstring& ref : r.haftarah)
        json.String(ref);
    json.EndArray();
    json.BeginArray("afternoon");
    for (const std::wstring& ref : r.haftarahAfternoon)
        json.String(ref);
    json.EndArray();
    json.EndObject();

    json.BeginObject("study");
    for (const STUDY_ITEM& s : r.study)
        json.String(s.key, s.text);
    json.EndObject();

    json.BeginArray("events");
    for (const EVENT_ITEM& e : r.events) {
        json.BeginObject();
        json.String("title", e.title);
        json.Number("type", e.type);
        json.String("annotation", e.annotation);
        json.String("kind", e.kind);
        json.String("description", e.description);
        json.EndObject();
    }
    json.EndArray();

    ZmanimJson(json, r.zmanim);
    DstJson(json, r.dstStatus);
    LocationJson(json, context);
    json.EndObject();
    return json.Text();
}

} // namespace vessant::cli

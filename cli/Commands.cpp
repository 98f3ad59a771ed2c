#include "cli/Commands.h"

#include "app/settings/Version.h"
#include "calendar/CalendarTexts.h"
#include "calendar/DateOperations.h"
#include "calendar/DateText.h"
#include "calendar/HebrewCalendar.h"
#include "calendar/HebrewNumeral.h"
#include "calendar/YearFacts.h"
#include "cli/CliText.h"
#include "cli/CliTextIds.h"
#include "cli/DateArgument.h"
#include "cli/DayReport.h"
#include "cli/Json.h"
#include "dayevents/DayEvents.h"
#include "locations/LocationCoordinates.h"
#include "text/Language.h"
#include "text/TextTable.h"
#include "dayview/DayTextIds.h"
#include "dayview/ExportCsv.h"
#include "dayview/YearDetails.h"
#include "zmanim/DstRules.h"
#include "zmanim/ZmanimTable.h"

#include <algorithm>

namespace vessant::cli {

DATE_STRUCT DateOfWords(const std::vector<std::string>& words, const CLI_CONTEXT& context) {
    DATE_STRUCT date;
    SetTransition(date, context.transition);
    if (words.empty()) {
        SetToday(date);
        return date;
    }
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    std::string error;
    if (!ParseDateArgument(text, date, error))
        UsageError(error);
    return date;
}

namespace {

int Finish(COutput& out, const std::string& text) {
    out.Write(text);
    return kExitOk;
}

} // namespace

// ---- day -------------------------------------------------------------------------------

int RunDay(const CLI_ARGS& args, const CLI_CONTEXT& context, COutput& out) {
    const DATE_STRUCT date = DateOfWords(args.positional, context);
    const DAY_FACTS day = BuildDayReport(context, date);
    return Finish(out, args.json ? DayReportJson(context, day) : DayReportText(context, day));
}

// ---- zmanim ----------------------------------------------------------------------------

int RunZmanim(const CLI_ARGS& args, const CLI_CONTEXT& context, COutput& out) {
    const DATE_STRUCT date = DateOfWords(args.positional, context);
    const DAY_ZMANIM zmanim = DayZmanimOf(context, date);
    const LOCATION_COORDINATES c = LocationCoordinates(context.location);
    ZMANIM_TABLE table;
    std::array<std::wstring, kZmanimTableEntries> tableTexts;
    if (args.allZmanim) {
        SetupZmanimTable(table, c.longitude, c.latitude, c.zoneOffsetTenths, c.dstRule);
        ComputeZmanimTable(table, date.dayNumber);
        FormatZmanimTable(table, tableTexts, args.json ? 24 : context.clockFormat);
    }
    const int dst = DstStatus(context.location.dstRule, date.dayNumber);

    if (args.json) {
        CJsonWriter json;
        json.BeginObject();
        json.String("date", IsoDate(date));
        json.String("civilText", FormatCivilDate(date));
        json.String("hebrewText", FormatHebrewDate(date));
        json.Number("shita", context.location.shita);
        json.String("shitaName", ShitaName(context.location.shita));
        ZmanimJson(json, zmanim);
        if (args.allZmanim) {
            json.BeginObject("table");
            for (int i = 0; i < kZmanimTableEntries; ++i)
                json.String(Utf8(ZmanimTableKey(i)), tableTexts[static_cast<std::size_t>(i)]);
            json.EndObject();
        }
        DstJson(json, dst);
        LocationJson(json, context);
        json.EndObject();
        return Finish(out, json.Text());
    }

    std::string text = Utf8(WeekdayName(Weekday(date))) + ", " + Utf8(FormatCivilDate(date)) + " - " +
                       Utf8(FormatHebrewDate(date)) + "\n";
    text += Say(kIdZmanimHeading, {TextOfResource(kIdZmanimTitle), ShitaName(context.location.shita), DstStatusText(dst)}) +
            "\n";
    text += ZmanimLines(zmanim, context.clockFormat);
    if (args.allZmanim) {
        text += "\n" + Say(kIdExportZmanimHeading) + "\n";
        for (int i = 0; i < kZmanimTableEntries; ++i) {
            const std::wstring key = ZmanimTableKey(i);
            text += "  " + Utf8(key) + std::string(18 - std::min<std::size_t>(key.size(), 17), ' ') +
                    Utf8(tableTexts[static_cast<std::size_t>(i)]) + "\n";
        }
    }
    text += LocationLines(context);
    return Finish(out, text);
}

// ---- year ------------------------------------------------------------------------------

int RunYear(const CLI_ARGS& args, const CLI_CONTEXT& context, COutput& out) {
    int year = 0;
    if (args.positional.empty()) {
        DATE_STRUCT today;
        SetTransition(today, context.transition);
        SetToday(today);
        year = today.hebYear;
    } else {
        const std::string& word = args.positional[0];
        if (args.positional.size() > 1 || word.empty() || word.size() > 5 ||
            !std::all_of(word.begin(), word.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
            UsageError(Say(kIdErrYearWord, {Wide(word)}));
        year = std::stoi(word);
        if (year < kFirstHebrewYear || year > kLastHebrewYear)
            UsageError(Say(kIdErrYearRange, {Wide(word)}));
    }

    const YEAR_DETAILS details = BuildYearDetails(year, context.transition);

    if (args.json) {
        CJsonWriter json;
        json.BeginObject();
        json.Number("year", year);
        json.String("creationText", details.creationText);
        json.Number("type", details.type);
        json.String("typeText", details.typeText);
        json.Bool("leap", details.leap);
        json.String("leapText", details.leapText);
        json.BeginObject("lunarCycle");
        json.Number("yearOfCycle", details.lunar.yearOfCycle);
        json.Number("cycle", details.lunar.cycle);
        json.String("text", details.lunarText);
        json.EndObject();
        json.BeginObject("solarCycle");
        json.Number("yearOfCycle", details.solar.yearOfCycle);
        json.Number("cycle", details.solar.cycle);
        json.String("text", details.solarText);
        json.EndObject();
        json.BeginObject("shmita");
        json.Number("class", details.shmita.shmitaClass);
        json.Number("yearOfCycle", details.shmita.yearOfCycle);
        json.String("text", details.shmitaText);
        json.String("cycleText", details.shmitaCycleText);
        json.EndObject();
        json.BeginArray("epochs");
        for (const std::wstring& text : details.epochs)
            if (!text.empty())
                json.String(text);
        json.EndArray();
        json.BeginArray("fixedDays");
        for (const YEAR_FIXED_DAY& d : details.fixedDays) {
            json.BeginObject();
            json.Number("code", d.code);
            json.String("name", d.name);
            json.Number("hebrewDay", d.date.hebDay);
            json.Number("hebrewMonth", d.date.hebMonth);
            json.String("hebrewMonthName", HebrewMonthName(d.date.hebMonth));
            json.String("date", IsoDate(d.date));
            json.Number("weekday", Weekday(d.date));
            json.String("civilText", FormatCivilDate(d.date));
            json.EndObject();
        }
        json.EndArray();
        json.EndObject();
        return Finish(out, json.Text());
    }

    std::string text = Say(kIdHebrewYear, {year}) + "\n";
    for (const std::wstring* line : {&details.creationText, &details.typeText, &details.leapText, &details.lunarText,
                                     &details.solarText, &details.shmitaText, &details.shmitaCycleText})
        if (!line->empty())
            text += "  " + Utf8(*line) + "\n";
    for (const std::wstring& line : details.epochs)
        if (!line.empty())
            text += "  " + Utf8(line) + "\n";
    text += "\n" + Say(kIdFixedDaysHeading) + "\n";
    std::size_t nameWidth = 0;
    std::size_t hebrewWidth = 0;
    std::vector<std::wstring> hebrew;
    const bool numeral = IsHebrewInterface();
    for (const YEAR_FIXED_DAY& d : details.fixedDays) {
        nameWidth = std::max(nameWidth, d.name.size());
        hebrew.push_back((numeral ? HebrewNumeral(d.date.hebDay) : std::to_wstring(d.date.hebDay)) + L" " +
                         HebrewMonthName(d.date.hebMonth));
        hebrewWidth = std::max(hebrewWidth, hebrew.back().size());
    }
    for (std::size_t i = 0; i < details.fixedDays.size(); ++i) {
        const YEAR_FIXED_DAY& d = details.fixedDays[i];
        text += "  " + Utf8(d.name) + std::string(nameWidth - d.name.size() + 2, ' ') + Utf8(hebrew[i]) +
                std::string(hebrewWidth - hebrew[i].size() + 2, ' ') + Utf8(WeekdayName(Weekday(d.date))) +
                ", " + Utf8(FormatCivilDate(d.date)) + "\n";
    }
    return Finish(out, text);
}

// ---- export ----------------------------------------------------------------------------

int RunExport(const CLI_ARGS& args, const CLI_CONTEXT& context, COutput& out) {
    DATE_STRUCT date;
    SetTransition(date, context.transition);
    if (args.year) {
        if (!SetCivilDate(date, *args.year, 1, 1))
            UsageError(Say(kIdErrNoCivilYear, {*args.year}));
    } else if (args.date) {
        std::string error;
        if (!ParseDateArgument(*args.date, date, error))
            UsageError(error);
    } else {
        SetToday(date);
    }
    CCSVExport exporter(context.clockFormat);
    exporter.SetInputs(DayInputsOf(context));
    if (args.output && *args.output != "-") {
        exporter.SetFileName(*args.output);
        if (const std::error_code error = exporter.ExportYear(date))
            Failure(Say(kIdErrCannotWrite, {Wide(*args.output), Wide(error.message())}));
        return kExitOk;
    }
    std::string bytes;
    if (!exporter.YearBytes(date, bytes))
        UsageError(Say(kIdErrCannotExport));
    out.Write(bytes);
    return kExitOk;
}

// ---- the command line ------------------------------------------------------------------

int RunCli(const std::vector<std::string>& words, COutput& out, COutput& err) {
    try {
        const CLI_ARGS args = ParseArgs(words);
        if (args.command == Command::Version) {
            out.Write("vessant " + Utf8(FormatVersion(ProgramVersion())) + "\n");
            return kExitOk;
        }
        if (args.help) {
            out.Write(HelpText(args.command));
            return kExitOk;
        }
        const CLI_CONTEXT context = LoadContext(args);
        switch (args.command) {
        case Command::Day: return RunDay(args, context, out);
        case Command::Month: return RunMonth(args, context, out);
        case Command::Year: return RunYear(args, context, out);
        case Command::Zmanim: return RunZmanim(args, context, out);
        case Command::Export: return RunExport(args, context, out);
        default: UsageError(Say(kIdErrNoCommand));
        }
    } catch (const CliError& error) {
        err.Write(std::string("vessant: ") + error.what() + "\n");
        return error.status();
    } catch (const std::exception& error) {
        err.Write(std::string("vessant: ") + error.what() + "\n");
        return kExitFailure;
    }
}

} // namespace vessant::cli

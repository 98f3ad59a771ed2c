#include "cli/CliText.h"

#include "calendar/ClockText.h"
#include "calendar/DateOperations.h"
#include "cli/CliTextIds.h"
#include "platform/TextCodec.h"
#include "text/TextTable.h"
#include "zmanim/DstRules.h"
#include "zmanim/Shita.h"
#include "zmanim/ShitotStore.h"
#include "zmanim/TimeZones.h"

#include <cstdio>

namespace vessant::cli {

std::string Utf8(std::wstring_view text) { return platform::Utf8FromWide(text); }

std::wstring Wide(std::string_view utf8) { return platform::WideFromUtf8(utf8); }

std::string Say(int resourceId, std::initializer_list<TemplateArg> args) {
    return Utf8(FormatTemplate(TextOfResource(resourceId), args));
}

std::wstring ClockText(const CLOCK_TIME& time, int clockFormat) {
    return FormatClockTime(time.hour, time.minute, clockFormat);
}

std::wstring Clock24(const CLOCK_TIME& time) {
    wchar_t text[8];
    std::swprintf(text, 8, L"%02d:%02d", time.hour, time.minute);
    return text;
}

std::wstring DurationText(const DURATION_HMS& length) {
    return FormatDuration(length.hours, length.minutes, length.seconds);
}

std::wstring ShitaName(int shita) {
    if (shita >= 1 && shita <= kBuiltinShitot)
        return BuiltinShitaName(shita);
    if (const SHITA_STRUCT* custom = FindShita(shita))
        return custom->name;
    return FormatTemplate(TextOfResource(kIdShitaNumber), {shita});
}

std::wstring CoordinatesText(const LOC_STRUCT& l) {
    wchar_t text[64];
    std::swprintf(text, 64, L"%d\u00B0%02d' %lc, %d\u00B0%02d' %lc", l.latitudeDegrees, l.latitudeMinutes,
                  l.latitudeDirection == kDirectionSouth ? L'S' : L'N', l.longitudeDegrees, l.longitudeMinutes,
                  l.longitudeDirection == kDirectionWest ? L'W' : L'E');
    return text;
}

int CandleLightingMinutes(int choice) {
    constexpr int kMinutes[] = {15, 18, 21, 22, 30, 40};
    return choice >= 1 && choice <= 6 ? kMinutes[choice - 1] : 18;
}

std::wstring PlaceName(const LOC_STRUCT& location) {
    if (location.country.empty() || location.country == L" ")
        return location.city;
    return location.city + L", " + location.country;
}

std::string LocationLines(const CLI_CONTEXT& context) {
    const LOC_STRUCT& l = context.location;
    // The source as the reader's language names it; JSON keeps the English name.
    const std::wstring& source =
        context.locationSourceId ? TextOfResource(context.locationSourceId) : context.locationSource;
    std::string out = Say(kIdLocationLine, {TextOfResource(kIdLocation), PlaceName(l), source}) + "\n";
    out += "  " + Utf8(CoordinatesText(l)) + "; " + Utf8(ZoneName(l.timeZone)) + "\n";
    out += "  " +
           Say(kIdLocationFacts, {TextOfResource(l.diaspora ? kIdDiaspora : kIdIsrael), DstRuleName(l.dstRule),
                                  ShitaName(l.shita), CandleLightingMinutes(l.candleLighting)}) +
           "\n";
    return out;
}

void LocationJson(CJsonWriter& json, const CLI_CONTEXT& context) {
    const LOC_STRUCT& l = context.location;
    json.BeginObject("location");
    json.String("city", l.city);
    json.String("country", l.country);
    json.String("source", context.locationSource);
    json.Number("latitudeDegrees", l.latitudeDegrees);
    json.Number("latitudeMinutes", l.latitudeMinutes);
    json.String("latitudeDirection", l.latitudeDirection == kDirectionSouth ? L"S" : L"N");
    json.Number("longitudeDegrees", l.longitudeDegrees);
    json.Number("longitudeMinutes", l.longitudeMinutes);
    json.String("longitudeDirection", l.longitudeDirection == kDirectionWest ? L"W" : L"E");
    json.Number("timeZone", l.timeZone);
    json.Number("utcOffsetMinutes", ZoneOffsetTenths(l.timeZone) * 6);
    json.Bool("diaspora", l.diaspora != 0);
    json.Number("dstRule", l.dstRule);
    json.String("dstRuleName", DstRuleName(l.dstRule));
    json.Number("shita", l.shita);
    json.String("shitaName", ShitaName(l.shita));
    json.Number("candleLightingMinutes", CandleLightingMinutes(l.candleLighting));
    json.EndObject();
}

std::wstring IsoDate(const DATE_STRUCT& date) {
    const DATE_TRIPLE civil = CivilDateForDisplay(date);
    wchar_t text[16];
    std::swprintf(text, 16, L"%04d-%02d-%02d", static_cast<int>(civil.year), static_cast<int>(civil.month),
                  static_cast<int>(civil.day));
    return text;
}

std::wstring Fit(std::wstring_view text, std::size_t width) {
    if (text.size() <= width)
        return std::wstring(text);
    if (width == 0)
        return {};
    return std::wstring(text.substr(0, width - 1)) + L'\u2026';
}

} // namespace vessant::cli

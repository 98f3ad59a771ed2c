#include "cli/CliContext.h"

#include "app/settings/OptionsStore.h"
#include "cli/CliText.h"
#include "cli/CliTextIds.h"
#include "locations/LocationRow.h"
#include "locations/LocationSources.h"
#include "locations/LocationTables.h"
#include "platform/Folders.h"
#include "platform/ProfileFile.h"
#include "platform/TextCodec.h"
#include "text/BuiltinStrings.h"
#include "text/Language.h"
#include "text/ResourceIds.h"
#include "text/TextTable.h"
#include "userdata/EventList.h"
#include "zmanim/DstRules.h"
#include "zmanim/ShitotStore.h"
#include "zmanim/TimeZones.h"
#include "zmanim/ZmanimStruct.h"

#include <charconv>
#include <cwctype>
#include <system_error>
#include <vector>

namespace vessant::cli {
namespace {

constexpr std::int16_t kDiasporaShita = kShitaDiasporaGra;
constexpr std::int16_t kDiasporaCandleLighting = 2; // 18 minutes

std::wstring Trimmed(std::wstring_view text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos)
        return {};
    const auto last = text.find_last_not_of(L" \t");
    return std::wstring(text.substr(first, last - first + 1));
}

bool SameName(std::wstring_view a, std::wstring_view b) { return platform::EqualIgnoringCase(a, b); }

void LoadDataFolder(CLI_CONTEXT& context) {
    const wchar_t* title = BuiltinString(kIdApplicationTitle);
    context.dataFolder = platform::DataFolderPath(title ? title : L"Vessant 3");
    std::error_code error;
    context.dataFolderFound = std::filesystem::is_directory(context.dataFolder, error);

    if (context.dataFolderFound) {
        // The stores read their files here; nothing is saved back: the calendar program
        // owns these files.
        SetShitotFolder(context.dataFolder);
        LoadShitot();
        UserEvents().SetFolder(context.dataFolder);
        UserEvents().Load();
    }
    // The settings store reads options.ini without converting or saving it; without a data
    // folder it gives the defaults and the built-in locations.
    COptionsStore store;
    store.SetDataFolder(context.dataFolder);
    const bool found = context.dataFolderFound;
    store.SetLocationSection({[&context, found](const platform::ProfileFile& profile, OPTIONS_STRUCT& options) {
                                  LoadLocations(context.locations, profile,
                                                {found && options.oldLocationRows != 0,
                                                 found && options.freshFile != 0,
                                                 [](std::int32_t id) { return FindShita(id) != nullptr; }});
                              },
                              {}});
    store.Load(false);
    context.options = store.options();
}

void LoadInterfaceLanguage(CLI_CONTEXT& context, const CLI_ARGS& args) {
    DetectSystemLanguage();
    const int wanted = args.language ? *args.language : context.options.language;
    context.language = LoadLanguage(wanted);
    if (args.language && *args.language != 0 && context.language != *args.language)
        UsageError(Say(kIdErrNoLanguageModule, {*args.language, LanguageModuleFileName(*args.language)}));
}

struct REGION_RULE {
    const wchar_t* region;
    int rule;
};

// Regions of the world table whose clocks change today, with the rule they follow.
constexpr REGION_RULE kRegionRules[] = {
    {L"Alabama", 25},       {L"Alaska", 25},        {L"Arkansas", 25},       {L"California", 25},
    {L"Colorado", 25},      {L"D.C.", 25},          {L"Delaware", 25},       {L"Florida", 25},
    {L"Georgia", 25},       {L"Illinois", 25},      {L"Indiana", 25},        {L"Maine", 25},
    {L"Maryland", 25},      {L"Massachusetts", 25}, {L"Michigan", 25},       {L"Minnesota", 25},
    {L"Missouri", 25},      {L"Nevada", 25},        {L"New Hampshire", 25},  {L"New Jersey", 25},
    {L"New York", 25},      {L"Ohio", 25},          {L"Oregon", 25},         {L"Pennsylvania", 25},
    {L"Rhode Island", 25},  {L"S. Carolina", 25},   {L"Texas", 25},          {L"Utah", 25},
    {L"Virginia", 25},      {L"W. Virginia", 25},   {L"Washington", 25},     {L"Wisconsin", 25},
    {L"Ontario", 6},        {L"Quebec", 6},         {L"Chile", 7},           {L"Cuba", 8},
    {L"Egypt", 9},          {L"New Zealand", 20},   {L"Austria", 10},        {L"Belgium", 10},
    {L"Czech Republic", 10}, {L"Denmark", 10},      {L"England", 10},        {L"Finland", 10},
    {L"France", 10},        {L"Germany", 10},       {L"Greece", 10},         {L"Greece (Crete)", 10},
    {L"Hungary", 10},       {L"Ireland", 10},       {L"Italy", 10},          {L"Netherlands", 10},
    {L"Norway", 10},        {L"Poland", 10},        {L"Portugal", 10},       {L"Romania", 10},
    {L"Scotland", 10},      {L"Slovakia", 10},      {L"Spain", 10},          {L"Sweden", 10},
    {L"Switzerland", 10},   {L"Ukraine", 10},
};

LOC_STRUCT LocationOfWorldEntry(const LOCATION_TABLE_ENTRY& entry) {
    return LocationFromTableEntry(entry, 1, static_cast<std::int16_t>(WorldPlaceDstRule(entry.city, entry.country)),
                                  kDiasporaShita, kDiasporaCandleLighting);
}

LOC_STRUCT LocationOfIsraelEntry(const LOCATION_TABLE_ENTRY& entry) {
    return LocationFromTableEntry(entry, 0, kIsraelTableDstRule, kIsraelTableShita,
                                  IsraelTableCandleLighting(entry.city));
}

// Fields of a --row: tabs when the row has one, else commas; blanks around a field go.
std::vector<std::wstring> RowFields(std::wstring_view row) {
    const wchar_t separator = row.find(L'\t') != std::wstring_view::npos ? L'\t' : L',';
    std::vector<std::wstring> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = row.find(separator, start);
        fields.push_back(Trimmed(row.substr(start, end == std::wstring_view::npos ? end : end - start)));
        if (end == std::wstring_view::npos)
            break;
        start = end + 1;
    }
    // A trailing empty marker field, as stored rows have, is no field.
    while (fields.size() > 13 && fields.back().empty())
        fields.pop_back();
    return fields;
}

} // namespace

int WorldPlaceDstRule(std::wstring_view city, std::wstring_view region) {
    // Queensland and Western Australia keep standard time all year.
    if (region == L"Australia")
        return (city == L"Brisbane" || city == L"Perth") ? kDstRuleAlwaysOff : 3;
    for (const REGION_RULE& r : kRegionRules)
        if (region == r.region)
            return r.rule;
    return kDstRuleAlwaysOff;
}

LOC_STRUCT FindPlace(const std::string& name, const LOCATION_LIST& userLocations, std::wstring* source,
                     bool userListFromFile, int* sourceId) {
    const std::wstring wanted = platform::WideFromUtf8(name);
    std::wstring city = Trimmed(wanted);
    std::wstring country;
    if (const std::size_t comma = city.rfind(L','); comma != std::wstring::npos) {
        country = Trimmed(std::wstring_view(city).substr(comma + 1));
        city = Trimmed(std::wstring_view(city).substr(0, comma));
    }
    if (city.empty())
        UsageError(Say(kIdErrPlaceEmpty));
    auto matches = [&](std::wstring_view c, std::wstring_view k) {
        return SameName(c, city) && (country.empty() || SameName(k, country));
    };
    // The English name goes to `source` (JSON), whatever the interface language.
    auto set = [&](int id) {
        if (source) {
            const wchar_t* english = BuiltinString(id);
            *source = english ? english : L"";
        }
        if (sourceId)
            *sourceId = id;
    };
    for (const LOC_STRUCT& loc : userLocations.locations)
        if (matches(loc.city, loc.country)) {
            set(userListFromFile ? kIdSourceYourLocations : kIdSourceBuiltinDefaults);
            return loc;
        }
    for (int i = 0; i < kIsraelTableSize; ++i)
        if (matches(IsraelTableEntry(i).city, IsraelTableEntry(i).country)) {
            set(kIdSourceIsrael);
            return LocationOfIsraelEntry(IsraelTableEntry(i));
        }
    for (int i = 0; i < kWorldTableSize; ++i)
        if (matches(WorldTableEntry(i).city, WorldTableEntry(i).country)) {
            set(kIdSourceWorld);
            return LocationOfWorldEntry(WorldTableEntry(i));
        }
    UsageError(Say(kIdErrUnknownPlace, {Wide(name)}));
}

LOC_STRUCT ParseRowArgument(const std::string& rowText) {
    const std::wstring row = platform::WideFromUtf8(rowText);
    const std::vector<std::wstring> fields = RowFields(row);
    if (fields.size() < 13 || fields.size() > 14)
        UsageError(Say(kIdErrRowFieldCount, {static_cast<int>(fields.size())}));
    if (fields[0].empty())
        UsageError(Say(kIdErrRowCityEmpty));
    if (fields.size() == 14 && fields[13] != kDefaultMarker)
        UsageError(Say(kIdErrRowDefaultField));
    struct RANGE {
        int low, high;
    };
    constexpr RANGE kRanges[11] = {{0, 180}, {0, 59}, {1, 2}, {0, 90}, {0, 59}, {1, 2},
                                   {1, kTimeZoneCount}, {1, kDstRuleCount}, {0, 2}, {1, 32767}, {1, 6}};
    int numbers[11] = {};
    for (int i = 0; i < 11; ++i) {
        const std::string text = Utf8(fields[static_cast<std::size_t>(i) + 2]);
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        const std::wstring& name = TextOfResource(kIdRowFieldNames + i);
        if (text.empty() || error != std::errc() || end != text.data() + text.size())
            UsageError(Say(kIdErrRowNotANumber, {name, fields[static_cast<std::size_t>(i) + 2]}));
        if (value < kRanges[i].low || value > kRanges[i].high)
            UsageError(Say(kIdErrRowOutOfRange,
                           {name, kRanges[i].low, kRanges[i].high, fields[static_cast<std::size_t>(i) + 2]}));
        numbers[i] = value;
    }
    const int shita = numbers[9];
    if (!IsShitaId(shita))
        UsageError(Say(kIdErrRowShita, {shita}));
    if (shita >= kFirstCustomShita && FindShita(shita) == nullptr)
        UsageError(Say(kIdErrRowCustomShita, {shita}));

    std::wstring joined;
    for (std::size_t i = 0; i < fields.size(); ++i)
        joined += (fields[i].empty() ? std::wstring(L" ") : fields[i]) + L'\t';
    LOC_STRUCT loc = ParseLocationRow(joined).location;
    // As rows read from options.ini: the country decides Israel, and 2 means outside it.
    if (IsIsraelCountry(loc.country))
        loc.diaspora = 0;
    else if (loc.diaspora == 2)
        loc.diaspora = 1;
    return loc;
}

CLI_CONTEXT LoadContext(const CLI_ARGS& args) {
    CLI_CONTEXT context;
    context.options = DefaultOptions();
    LoadDataFolder(context);
    LoadInterfaceLanguage(context, args);

    context.clockFormat = args.clock ? *args.clock : (context.options.clockFormat == 12 ? 12 : 24);
    context.rite = args.rite ? *args.rite : context.options.shitaHaftarah;
    if (context.rite < 0 || context.rite > 3)
        context.rite = 0;
    context.transition = args.transition ? *args.transition : context.options.gregorianTransition;
    if (context.transition < 1 || context.transition > 3)
        context.transition = 1;

    if (args.row) {
        context.location = ParseRowArgument(*args.row);
        context.locationSource = L"--row"; // an option name: the same in every language
    } else if (args.place) {
        context.location = FindPlace(*args.place, context.locations, &context.locationSource, context.dataFolderFound,
                                     &context.locationSourceId);
    } else {
        context.location = DefaultLocation(context.locations);
        context.locationSourceId = context.dataFolderFound ? kIdSourceDefaultLocation : kIdSourceBuiltinDefault;
        context.locationSource = BuiltinString(context.locationSourceId);
    }
    if (args.shita) {
        if (*args.shita >= kFirstCustomShita && FindShita(*args.shita) == nullptr)
            UsageError(Say(kIdErrCustomShita, {*args.shita}));
        context.location.shita = static_cast<std::int16_t>(*args.shita);
    }
    return context;
}

} // namespace vessant::cli

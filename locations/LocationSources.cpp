#include "locations/LocationSources.h"

#include "locations/LocationRow.h"
#include "platform/Folders.h"
#include "platform/ProfileFile.h"

#include <system_error>

namespace vessant {

std::int16_t IsraelTableCandleLighting(std::wstring_view city) {
    if (city == L"Jerusalem" || city == L"Petah Tikva")
        return 6;  // 40 minutes
    if (city == L"Haifa" || city == L"Be'er Sheva")
        return 5;  // 30 minutes
    return 3;      // 21 minutes
}

LOC_STRUCT LocationFromTableEntry(const LOCATION_TABLE_ENTRY& entry, std::int16_t diaspora,
                                  std::int16_t dstRule, std::int16_t shita,
                                  std::int16_t candleLighting) {
    LOC_STRUCT loc;
    loc.city = entry.city;
    loc.country = entry.country;
    loc.longitudeDegrees = entry.longitudeDegrees;
    loc.longitudeMinutes = entry.longitudeMinutes;
    loc.longitudeDirection = entry.longitudeDirection;
    loc.latitudeDegrees = entry.latitudeDegrees;
    loc.latitudeMinutes = entry.latitudeMinutes;
    loc.latitudeDirection = entry.latitudeDirection;
    loc.timeZone = entry.timeZone;
    loc.diaspora = diaspora;
    loc.dstRule = dstRule;
    loc.shita = shita;
    loc.candleLighting = candleLighting;
    return loc;
}

std::filesystem::path FindLocationsIni() {
    for (const std::filesystem::path& folder :
         {platform::ProgramFolder(), platform::InstalledDataFolder()}) {
        if (folder.empty())
            continue;
        std::filesystem::path candidate = folder / "locations.ini";
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate;
    }
    return {};
}

std::vector<std::wstring> LocationsIniSections(const platform::ProfileFile& file) {
    return file.SectionNames();
}

std::vector<LOC_STRUCT> LocationsIniRows(const platform::ProfileFile& file,
                                         std::wstring_view section) {
    std::vector<LOC_STRUCT> rows;
    for (int n = 0;; ++n) {
        const std::wstring value = file.GetString(section, std::to_wstring(n));
        if (value.empty())
            break;
        LOC_STRUCT loc = ParseLocationRow(value).location;
        loc.diaspora = IsIsraelCountry(loc.country) ? 0 : 1;
        rows.push_back(std::move(loc));
    }
    return rows;
}

} // namespace vessant

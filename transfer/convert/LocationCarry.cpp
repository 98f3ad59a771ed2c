#include "transfer/convert/Carry.h"

#include "app/settings/Version.h"
#include "locations/LocationList.h"
#include "locations/LocationRow.h"
#include "platform/ProfileFile.h"
#include "transfer/convert/OldLocationFile.h"

#include <algorithm>
#include <vector>

namespace vessant::transfer {
namespace {

std::vector<LOC_STRUCT> PresentLocations(const platform::ProfileFile& options) {
    std::vector<LOC_STRUCT> locations;
    for (const std::wstring& key : options.KeyNames(kLocationsSection))
        locations.push_back(ParseLocationRow(options.GetString(kLocationsSection, key)).location);
    return locations;
}

} // namespace

CARRY_RESULT ConvertOldLocations(const std::filesystem::path& oldFolder,
                                 const std::filesystem::path& dataFolder) {
    CARRY_RESULT result;
    result.oldFile = oldFolder / kOldLocationFileName;
    std::string bytes;
    result.oldFileState = ReadOldFile(result.oldFile, bytes, result.oldFileError);
    if (result.oldFileState != OldFileState::Read)
        return result;
    const OLD_LOCATION_FILE old = ReadOldLocationFile(bytes);
    if (!old.recognised) {
        result.oldFileState = OldFileState::NotRecognised;
        return result;
    }

    result.dataFile = dataFolder / kOptionsFileName;
    platform::ProfileFile options = platform::ProfileFile::Open(result.dataFile);
    std::error_code ignored;
    if (!options.existed() && std::filesystem::exists(result.dataFile, ignored)) {
        result.failure = DataFileFailure::Read;
        result.failureError = std::make_error_code(std::errc::permission_denied);
        return result;
    }
    // The calendar exchanges latitude-first rows in Israel only in a file no version of
    // it has written yet; in any other the exchange is made here.
    const bool exchangeIsraelCoordinates = !IsFreshVersion(StoredProgramVersion(options));
    std::vector<LOC_STRUCT> present = PresentLocations(options);

    result.counts.skipped = old.unreadableRecords;
    int key = 0;
    for (const OLD_LOCATION_RECORD& record : old.records) {
        const LOC_STRUCT location = ConvertOldLocation(record, exchangeIsraelCoordinates);
        if (std::any_of(present.begin(), present.end(),
                        [&](const LOC_STRUCT& l) { return SameCarriedLocation(l, location); })) {
            ++result.counts.alreadyPresent;
            continue;
        }
        while (!options.GetString(kLocationsSection, std::to_wstring(key)).empty())
            ++key;
        options.WriteString(kLocationsSection, std::to_wstring(key), LocationRowText(location, false));
        present.push_back(location);
        ++result.counts.added;
    }
    if (result.counts.added == 0)
        return result;

    std::filesystem::create_directories(dataFolder, ignored);
    if (const std::error_code error = options.Save()) {
        result.failure = DataFileFailure::Write;
        result.failureError = error;
    }
    return result;
}

} // namespace vessant::transfer

#pragma once
// What every command works with: the settings, locations, custom shitot and user events
// of the data folder (read, never written), the location chosen for this run and the
// command-line choices that override the settings.

#include "app/settings/Options.h"
#include "cli/CliArgs.h"
#include "locations/LocationList.h"

#include <filesystem>
#include <string>

namespace vessant::cli {

struct CLI_CONTEXT {
    std::filesystem::path dataFolder;
    bool dataFolderFound = false;
    OPTIONS_STRUCT options;     // options.ini, or the defaults
    LOCATION_LIST locations;    // the user's list, or the two built-in rows
    LOC_STRUCT location;        // the location this run uses
    std::wstring locationSource; // where it came from, in English (JSON)
    int locationSourceId = 0;    // the same as a string-resource id for the reader; 0: --row
    int clockFormat = 12;       // 12 or 24
    int rite = 0;               // haftarah rite 0..3
    int transition = 1;         // Gregorian transition 1..3
    int language = 9;           // the language whose texts are in use
};

// Reads the data folder ($VESSANT_DATA_DIR or the per-user folder) without creating or
// changing anything in it, loads the interface language and applies the command line.
// Throws CliError for an unknown place, a malformed row, a missing custom shita or a
// language module that is not installed.
CLI_CONTEXT LoadContext(const CLI_ARGS& args);

// The location of --place: the user's locations first, then the places of Israel, then
// the world table, compared by city without regard to letter case; "City, Country" picks
// among places of the same name. Throws CliError (usage) when nothing matches.
// userListFromFile only changes how the source is named.
// sourceId receives the string-resource id of the source's name.
LOC_STRUCT FindPlace(const std::string& name, const LOCATION_LIST& userLocations, std::wstring* source = nullptr,
                     bool userListFromFile = true, int* sourceId = nullptr);

// The location of --row: one row of the options.ini "locations" section with its fields
// separated by tabs or, when it has no tab, by commas. Every field must be there and in
// range. Throws CliError (usage) naming the first field that is wrong.
LOC_STRUCT ParseRowArgument(const std::string& row);

// The daylight-saving rule, shita and candle lighting a place of the world table is given:
// the rule its region follows today, the Diaspora shita of the GR"A and 18 minutes.
int WorldPlaceDstRule(std::wstring_view city, std::wstring_view region);

} // namespace vessant::cli

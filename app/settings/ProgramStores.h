#pragma once
// The program-wide stores loaded in the start-up order: custom shitot, options.ini with
// its locations, user events, reminders. Shared by the calendar window and the command
// line companion, which only reads.

#include "app/settings/OptionsStore.h"

#include <filesystem>
#include <system_error>

namespace vessant {

// The location store's part in loading and saving options.ini, over the program-wide
// location list.
LocationSectionHooks ProgramLocationHooks();

struct STORE_LOAD_RESULT {
    std::error_code options;  // loading (conversion) or saving back options.ini
    std::error_code events;   // reading events.ini
};

// Loads every store from the data folder in start-up order. shitot.ini comes first
// because the location rows are checked against its custom shitot. With saveOptions the
// whole options.ini is written back at once, so it carries this version and every key
// (and a legacy 8-bit file is converted); without it nothing in the folder is written.
STORE_LOAD_RESULT LoadProgramStores(const std::filesystem::path& dataFolder, bool saveOptions);

} // namespace vessant

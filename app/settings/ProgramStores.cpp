#include "ProgramStores.h"

#include "locations/LocationList.h"
#include "userdata/EventList.h"
#include "userdata/Reminders.h"
#include "zmanim/ShitotStore.h"

namespace vessant {

LocationSectionHooks ProgramLocationHooks() {
    LocationSectionHooks hooks;
    hooks.read = [](const platform::ProfileFile& profile, OPTIONS_STRUCT& options) {
        LOCATION_LIST& list = ProgramLocations();
        // Rows naming a custom shita keep it when shitot.ini (loaded first) still has it.
        LoadLocations(list, profile,
                      {options.oldLocationRows != 0, options.freshFile != 0,
                       [](std::int32_t id) { return FindShita(id) != nullptr; }});
        options.locationRowsRead = list.rowsRead;
        options.defaultLocation = list.defaultIndex;
    };
    hooks.write = [](platform::ProfileFile& profile, const OPTIONS_STRUCT& options) {
        LOCATION_LIST& list = ProgramLocations();
        if (options.defaultLocation >= 0 &&
            options.defaultLocation < static_cast<std::int32_t>(list.locations.size()))
            list.defaultIndex = options.defaultLocation;
        SaveLocations(list, profile);
    };
    return hooks;
}

STORE_LOAD_RESULT LoadProgramStores(const std::filesystem::path& dataFolder, bool saveOptions) {
    STORE_LOAD_RESULT result;

    SetShitotFolder(dataFolder);
    LoadShitot();
    // A custom shita still named by a location cannot be deleted.
    ProgramShitot().SetShitaInUseQuery(
        [](std::int32_t id) { return LocationListUsesShita(ProgramLocations(), id); });

    COptionsStore& store = OptionsStore();
    store.SetDataFolder(dataFolder);
    store.ReadProgramVersion();
    store.SetLocationSection(ProgramLocationHooks());
    result.options = store.Load(saveOptions);
    if (saveOptions && !result.options)
        result.options = store.SaveAll();

    SetEventsFolder(dataFolder);
    UserEvents().Clear();
    result.events = LoadUserEvents();

    SetRemindersFolder(dataFolder);
    LoadReminders();
    return result;
}

} // namespace vessant

#pragma once
// The settings store: OPTIONS_STRUCT and its file options.ini in the data folder.
//
// The whole of options.ini is held in memory as a profile while the program runs. Saves
// write that profile back, so sections the store does not know (above all "locations",
// which belongs to the location store) survive every save untouched. The location store
// plugs in through SetLocationSection: its reader runs while loading, its writer while
// saving all settings, both on the same in-memory profile (profile()).

#include "app/settings/Options.h"
#include "app/settings/Version.h"
#include "app/settings/WindowPlacement.h"
#include "platform/ProfileFile.h"

#include <filesystem>
#include <functional>
#include <system_error>

namespace vessant {

// How the location list takes part in loading and saving options.ini.
struct LocationSectionHooks {
    // Reads the list while loading; options carries freshFile and oldLocationRows and
    // receives locationRowsRead and defaultLocation.
    std::function<void(const platform::ProfileFile& profile, OPTIONS_STRUCT& options)> read;
    // Writes the list (the whole section) while saving all settings, and after loading
    // a fresh file.
    std::function<void(platform::ProfileFile& profile, const OPTIONS_STRUCT& options)> write;
};

class COptionsStore {
public:
    // Options at their defaults, with the program's own version read.
    COptionsStore();

    OPTIONS_STRUCT& options() { return options_; }
    const OPTIONS_STRUCT& options() const { return options_; }
    // options.ini as loaded and changed since; saves write exactly this.
    platform::ProfileFile& profile() { return profile_; }
    const platform::ProfileFile& profile() const { return profile_; }

    // dataFolder, and iniPath = folder / "options.ini".
    void SetDataFolder(const std::filesystem::path& folder);
    // The running program's version into the version fields.
    void ReadProgramVersion();
    void SetLocationSection(LocationSectionHooks hooks);

    // Reads options.ini (a missing file gives every default), works out freshFile,
    // oldLocationRows and showNewFeatures from the stored version, stamps the running
    // version, and reads every key. A file without the UTF-16 byte-order mark is kept as
    // options.ini.txt and rewritten in UTF-16LE with all it held; an error of that
    // conversion is returned. A reader that must not write (convertLegacyFile false) reads
    // such a file as it is and leaves it alone.
    std::error_code Load(bool convertLegacyFile = true);
    // Writes [Version], every key of the key table and the location list, then saves the
    // file. The error of the save is returned; the old file is then untouched.
    std::error_code SaveAll();

    // The window placement as the main window closes.
    std::error_code SaveWindowPlacement(const WINDOW_PLACEMENT& current);
    // The stored placement, if it is one ("display" / "Window Placement").
    std::optional<WINDOW_PLACEMENT> StoredWindowPlacement() const;
    // The placement to apply when the main window first activates.
    WINDOW_PLACEMENT ReadWindowPlacement(std::uint32_t callerShowCommand, int screenWidth,
                                         int screenHeight) const;

private:
    // The profile to write into: the loaded one, or the file on disk when nothing (or a
    // different file) was loaded, so a save never drops what the file holds.
    platform::ProfileFile& ProfileForWriting();

    OPTIONS_STRUCT options_;
    platform::ProfileFile profile_;
    LocationSectionHooks locations_;
};

// The program-wide store.
COptionsStore& OptionsStore();

// The per-user data folder, named after the application title (kIdApplicationTitle) in the
// program's own language, created when missing.
std::filesystem::path SettingsDataFolder();
// The same folder, not created (a program that must not write before its checks).
std::filesystem::path SettingsDataFolderPath();

// The kernel's major and minor release numbers, the system version this desktop has.
void ReadOperatingSystemVersion(OPTIONS_STRUCT& options);

} // namespace vessant

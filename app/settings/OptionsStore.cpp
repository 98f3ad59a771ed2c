#include "app/settings/OptionsStore.h"

#include "app/settings/OptionKeys.h"
#include "platform/AtomicFile.h"
#include "platform/Folders.h"
#include "text/BuiltinStrings.h"
#include "text/ResourceIds.h"

#include <cstdlib>
#include <sys/utsname.h>

namespace vessant {
namespace {

constexpr wchar_t kPlacementSection[] = L"display";
constexpr wchar_t kPlacementKey[] = L"Window Placement";

VERSION_NUMBER RunningVersion(const OPTIONS_STRUCT& options) {
    return {options.versionMajor, options.versionMinor, options.versionBuild, options.versionRevision};
}

} // namespace

COptionsStore::COptionsStore() : options_(DefaultOptions()) {
    ReadProgramVersion();
}

void COptionsStore::SetDataFolder(const std::filesystem::path& folder) {
    options_.dataFolder = folder;
    options_.iniPath = folder / "options.ini";
}

void COptionsStore::ReadProgramVersion() {
    const VERSION_NUMBER version = ProgramVersion();
    options_.fileVersionHigh = (static_cast<std::uint32_t>(version.major) << 16) |
                               (static_cast<std::uint32_t>(version.minor) & 0xFFFF);
    options_.fileVersionLow = (static_cast<std::uint32_t>(version.build) << 16) |
                              (static_cast<std::uint32_t>(version.revision) & 0xFFFF);
    options_.versionRevision = static_cast<std::int32_t>(options_.fileVersionLow & 0xFFFF);
    options_.versionBuild = static_cast<std::int32_t>(options_.fileVersionLow >> 16);
    options_.versionMinor = static_cast<std::int32_t>(options_.fileVersionHigh & 0xFFFF);
    options_.versionMajor = static_cast<std::int32_t>(options_.fileVersionHigh >> 16);
}

void COptionsStore::SetLocationSection(LocationSectionHooks hooks) {
    locations_ = std::move(hooks);
}

std::error_code COptionsStore::Load(bool convertLegacyFile) {
    profile_ = platform::ProfileFile::Open(options_.iniPath);
    const bool convert = convertLegacyFile && profile_.existed() && !profile_.hadByteOrderMark();

    const VERSION_NUMBER stored = StoredProgramVersion(profile_);
    options_.freshFile = IsFreshVersion(stored) ? 1 : 0;
    options_.oldLocationRows = HasOldLocationRows(stored) ? 1 : 0;
    options_.showNewFeatures = ShowsNewFeatures(stored, RunningVersion(options_)) ? 1 : 0;

    // Stamped at once; INI goes first so that a new file begins with it.
    profile_.WriteString(kVersionSection, L"INI", L"0.0.0.0");
    profile_.WriteString(kVersionSection, kProgramVersionKey, FormatVersion(RunningVersion(options_)));

    if (locations_.read)
        locations_.read(profile_, options_);
    options_.oldLocationRows = 0;

    for (const OPTION_KEY& row : OptionKeyTable())
        if (row.use != KeyUse::WriteOnly)
            options_.*row.field = profile_.GetInt(row.section, row.key, row.defaultValue);
    options_.zmanimLines = 1;

    if (convert) {
        // The old file stays beside the new one as options.ini.txt. Its whole text is in
        // memory, so the new UTF-16 file keeps the window placement, the locations and
        // whatever else it held.
        if (auto error = platform::KeepPreviousGeneration(options_.iniPath))
            return error;
        if (auto error = SaveAll())
            return error;
    }
    if (options_.freshFile && locations_.write)
        locations_.write(profile_, options_);
    return {};
}

platform::ProfileFile& COptionsStore::ProfileForWriting() {
    if (profile_.path() != options_.iniPath)
        profile_ = platform::ProfileFile::Open(options_.iniPath);
    return profile_;
}

std::error_code COptionsStore::SaveAll() {
    platform::ProfileFile& profile = ProfileForWriting();
    profile.WriteString(kVersionSection, L"INI", L"0.0.0.0");
    profile.WriteString(kVersionSection, kProgramVersionKey, FormatVersion(RunningVersion(options_)));
    for (const OPTION_KEY& row : OptionKeyTable())
        if (row.use != KeyUse::ReadOnly)
            profile.WriteInt(row.section, row.key, options_.*row.field);
    if (locations_.write)
        locations_.write(profile, options_);
    return profile.Save();
}

std::error_code COptionsStore::SaveWindowPlacement(const WINDOW_PLACEMENT& current) {
    platform::ProfileFile& profile = ProfileForWriting();
    profile.WriteString(kPlacementSection, kPlacementKey, FormatWindowPlacement(PlacementForSaving(current)));
    return profile.Save();
}

std::optional<WINDOW_PLACEMENT> COptionsStore::StoredWindowPlacement() const {
    return ParseWindowPlacement(profile_.GetString(kPlacementSection, kPlacementKey));
}

WINDOW_PLACEMENT COptionsStore::ReadWindowPlacement(std::uint32_t callerShowCommand, int screenWidth,
                                                    int screenHeight) const {
    return PlacementAtStart(StoredWindowPlacement(), options_.minimizeStartup != 0, callerShowCommand,
                            screenWidth, screenHeight);
}

COptionsStore& OptionsStore() {
    static COptionsStore store;
    return store;
}

std::filesystem::path SettingsDataFolderPath() {
    // Always the program's own title: a language module must not move the user's files.
    const wchar_t* title = BuiltinString(kIdApplicationTitle);
    return platform::DataFolderPath(title ? title : L"Vessant 3");
}

std::filesystem::path SettingsDataFolder() {
    auto folder = SettingsDataFolderPath();
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

void ReadOperatingSystemVersion(OPTIONS_STRUCT& options) {
    utsname system{};
    if (uname(&system) != 0)
        return;
    const std::string release(system.release); // "6.1.0-18-amd64"
    const std::size_t dot = release.find('.');
    options.osMajorVersion = std::atoi(release.c_str());
    options.osMinorVersion = dot == std::string::npos ? 0 : std::atoi(release.c_str() + dot + 1);
}

} // namespace vessant

#include "Folders.h"

#include "TextCodec.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace vessant::platform {
namespace {

std::filesystem::path EnvPath(const char* name) {
    const char* value = std::getenv(name);
    return (value && *value) ? std::filesystem::path(value) : std::filesystem::path();
}

std::filesystem::path HomeFolder() {
    auto home = EnvPath("HOME");
    return home.empty() ? std::filesystem::current_path() : home;
}

} // namespace

std::filesystem::path DataFolderPath(const std::wstring& applicationTitle) {
    if (auto overridden = EnvPath("VESSANT_DATA_DIR"); !overridden.empty())
        return overridden;
    auto base = EnvPath("XDG_DATA_HOME");
    if (base.empty())
        base = HomeFolder() / ".local" / "share";
    return base / Utf8FromWide(applicationTitle);
}

std::filesystem::path EnsureDataFolder(const std::wstring& applicationTitle) {
    auto folder = DataFolderPath(applicationTitle);
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

std::filesystem::path DocumentsFolder() {
    if (auto documents = EnvPath("XDG_DOCUMENTS_DIR"); !documents.empty())
        return documents;
    return HomeFolder() / "Documents";
}

std::filesystem::path ProgramFolder() {
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self.parent_path();
}

std::filesystem::path InstalledDataFolder() {
#ifdef VESSANT_INSTALLED_DATA_DIR
    return std::filesystem::path(VESSANT_INSTALLED_DATA_DIR);
#else
    return ProgramFolder();
#endif
}

} // namespace vessant::platform

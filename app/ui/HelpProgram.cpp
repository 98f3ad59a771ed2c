#include "app/ui/HelpProgram.h"

#include "platform/Folders.h"

#include <unistd.h>

namespace vessant::ui {
namespace {

std::optional<std::vector<std::filesystem::path>>& FolderOverride() {
    static std::optional<std::vector<std::filesystem::path>> folders;
    return folders;
}

bool IsExecutableFile(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error) && ::access(file.c_str(), X_OK) == 0;
}

} // namespace

std::vector<std::filesystem::path> HelpProgramFolders() {
    if (FolderOverride())
        return *FolderOverride();
    std::vector<std::filesystem::path> folders{platform::ProgramFolder()};
#ifdef VESSANT_INSTALLED_PROGRAM_DIR
    folders.emplace_back(VESSANT_INSTALLED_PROGRAM_DIR);
#endif
    return folders;
}

std::filesystem::path FindHelpProgram() {
    for (const std::filesystem::path& folder : HelpProgramFolders()) {
        if (folder.empty())
            continue;
        const std::filesystem::path program = folder / kHelpProgramName;
        if (IsExecutableFile(program))
            return program;
    }
    return {};
}

void SetHelpProgramFolders(std::optional<std::vector<std::filesystem::path>> folders) {
    FolderOverride() = std::move(folders);
}

} // namespace vessant::ui

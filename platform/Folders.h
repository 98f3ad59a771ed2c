#pragma once
// Where the program's files live on this system.

#include <filesystem>
#include <string>

namespace vessant::platform {

// The per-user data folder: $VESSANT_DATA_DIR, else $XDG_DATA_HOME/<title>, else
// ~/.local/share/<title>. Not created here.
std::filesystem::path DataFolderPath(const std::wstring& applicationTitle);

// DataFolderPath, created with its parents when missing. Failure to create it is not an
// error here: the stores report their own write failures.
std::filesystem::path EnsureDataFolder(const std::wstring& applicationTitle);

// The user's documents folder: $XDG_DOCUMENTS_DIR, else ~/Documents.
std::filesystem::path DocumentsFolder();

// The folder of the running executable (language modules, locations.ini, the help
// program). Empty when it cannot be determined.
std::filesystem::path ProgramFolder();

// Folders searched for the program's read-only files: the program folder, then the
// installed data folder.
std::filesystem::path InstalledDataFolder();

} // namespace vessant::platform

#pragma once
// Where the calendar finds its help viewer: beside its own executable (as built and as
// installed together), then in the folder the programs are installed to.

#include <filesystem>
#include <optional>
#include <vector>

namespace vessant::ui {

inline constexpr char kHelpProgramName[] = "Vessant3Help";

// The folders searched, in order.
std::vector<std::filesystem::path> HelpProgramFolders();

// The viewer in the first folder that holds it as an executable file; empty when none does.
std::filesystem::path FindHelpProgram();

// Tests search these folders instead; nothing restores the real ones.
void SetHelpProgramFolders(std::optional<std::vector<std::filesystem::path>> folders);

} // namespace vessant::ui

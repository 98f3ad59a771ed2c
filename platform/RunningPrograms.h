#pragma once
// Whether a program is running, by the base name of its executable, over the process
// list in /proc. A Windows program running under Wine counts by its own executable's
// name ("Vessant.exe"), not by the Wine loader's.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace vessant::platform {

// Results of FindRunningProgram other than 0 (none) and 1 (found). Every result other
// than 0 is to be taken as "running": a check that could not look must not let a writer
// in beside the program.
inline constexpr int kProgramRunning = 1;
inline constexpr int kProgramNotRunning = 0;
inline constexpr int kProcessListUnavailable = 605; // /proc cannot be listed
inline constexpr int kSystemVersionUnknown = 606;   // the kernel cannot name itself
inline constexpr int kSystemNotSupported = 607;     // not a Linux /proc to read
inline constexpr int kProgramNameLength = 632;      // name shorter than 1 or over 260

inline constexpr std::size_t kMaxProgramNameLength = 260;

// 1 when a running process's executable base name equals the name without regard to
// ASCII letter case, 0 when none does, or one of the failure codes above.
int FindRunningProgram(std::wstring_view programName);

// The executable base name of each process in a /proc-like folder; "Unknown" for a
// process whose executable cannot be read (another user's, a kernel thread). Under Wine
// the name is that of the Windows program the loader runs. Empty when the folder cannot
// be listed (error set).
std::vector<std::string> RunningProgramNames(const std::filesystem::path& procFolder,
                                             std::error_code& error);

// The executable's base name of one process from its exe link target and its command
// line (arguments separated by NUL bytes): the link's base name, without the " (deleted)"
// the kernel adds for a replaced file, or, for the Wine loader, the base name of its first
// argument in either path style.
std::string ExecutableBaseName(std::string_view exeTarget, std::string_view commandLine);

} // namespace vessant::platform

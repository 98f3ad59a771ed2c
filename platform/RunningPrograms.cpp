#include "platform/RunningPrograms.h"

#include "platform/TextCodec.h"

#include <sys/utsname.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <memory>
#include <system_error>

namespace vessant::platform {
namespace {

constexpr std::string_view kUnknownProgram = "Unknown";
constexpr std::string_view kDeletedSuffix = " (deleted)";
// The executables through which Wine runs a Windows program; the program itself is then
// named by the loader's first argument.
constexpr std::array<std::string_view, 4> kWineLoaders = {"wine", "wine64", "wine-preloader",
                                                           "wine64-preloader"};

std::string_view BaseName(std::string_view path, std::string_view separators) {
    const std::size_t slash = path.find_last_of(separators);
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) {
        return static_cast<char>(std::toupper(c));
    });
    return upper;
}

bool IsProcessFolderName(const std::string& name) {
    return !name.empty() &&
           std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isdigit(c); });
}

// The file's bytes, as many as could be read: a process may end while it is looked at.
std::string ReadWholeFile(const std::filesystem::path& file) {
    std::string bytes;
    const std::unique_ptr<std::FILE, decltype(&std::fclose)> in(std::fopen(file.c_str(), "rb"), &std::fclose);
    if (!in)
        return bytes;
    char buffer[1024];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, in.get())) > 0)
        bytes.append(buffer, count);
    return bytes;
}

std::string ProgramNameOf(const std::filesystem::path& processFolder) {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink(processFolder / "exe", error);
    if (error || exe.empty())
        return std::string(kUnknownProgram);
    return ExecutableBaseName(exe.string(), ReadWholeFile(processFolder / "cmdline"));
}

} // namespace

std::string ExecutableBaseName(std::string_view exeTarget, std::string_view commandLine) {
    if (exeTarget.ends_with(kDeletedSuffix))
        exeTarget.remove_suffix(kDeletedSuffix.size());
    const std::string_view base = BaseName(exeTarget, "/");
    if (std::find(kWineLoaders.begin(), kWineLoaders.end(), base) == kWineLoaders.end())
        return std::string(base);
    const std::string_view firstArgument = commandLine.substr(0, commandLine.find('\0'));
    const std::string_view windowsName = BaseName(firstArgument, "/\\");
    return std::string(windowsName.empty() ? base : windowsName);
}

std::vector<std::string> RunningProgramNames(const std::filesystem::path& procFolder,
                                             std::error_code& error) {
    std::vector<std::string> names;
    std::filesystem::directory_iterator it(procFolder, error);
    if (error)
        return names;
    for (const std::filesystem::directory_iterator end; it != end; it.increment(error)) {
        if (error)
            return {};
        if (IsProcessFolderName(it->path().filename().string()))
            names.push_back(ProgramNameOf(it->path()));
    }
    return names;
}

int FindRunningProgram(std::wstring_view programName) {
    if (programName.empty() || programName.size() > kMaxProgramNameLength)
        return kProgramNameLength;
    utsname system{};
    if (::uname(&system) != 0)
        return kSystemVersionUnknown;
    if (std::string_view(system.sysname) != "Linux")
        return kSystemNotSupported;
    std::error_code error;
    const std::vector<std::string> names = RunningProgramNames("/proc", error);
    if (error)
        return kProcessListUnavailable;
    const std::string wanted = UpperAscii(Utf8FromWide(programName));
    const bool found = std::any_of(names.begin(), names.end(), [&](const std::string& name) {
        return UpperAscii(name) == wanted;
    });
    return found ? kProgramRunning : kProgramNotRunning;
}

} // namespace vessant::platform

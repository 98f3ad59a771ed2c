#include "testsupport/NamedProcess.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <fstream>
#include <thread>

extern char** environ;

namespace vessant::testsupport {
namespace {

constexpr char kSleepProgram[] = "/bin/sleep";
constexpr char kSleepSeconds[] = "60";
constexpr int kStartChecks = 400;
constexpr std::chrono::milliseconds kStartCheckInterval(5);

} // namespace

NamedProcess::NamedProcess(const std::filesystem::path& folder, const std::string& executableName,
                           const std::string& firstArgument) {
    const std::filesystem::path program = folder / executableName;
    std::filesystem::copy_file(kSleepProgram, program, std::filesystem::copy_options::overwrite_existing);
    std::string argument0 = firstArgument;
    std::string seconds = kSleepSeconds;
    char* argv[] = {argument0.data(), seconds.data(), nullptr};
    if (::posix_spawn(&pid_, program.c_str(), nullptr, nullptr, argv, environ) != 0)
        return;
    // The exe link names the new program once its image has replaced the spawner's; the
    // arguments are laid out a moment later, so both are waited for.
    const std::filesystem::path process = std::filesystem::path("/proc") / std::to_string(pid_);
    const std::string expectedArguments = firstArgument + '\0';
    for (int i = 0; i < kStartChecks; ++i) {
        std::error_code error;
        std::ifstream cmdline(process / "cmdline", std::ios::binary);
        std::string arguments(expectedArguments.size(), '\0');
        cmdline.read(arguments.data(), static_cast<std::streamsize>(arguments.size()));
        if (std::filesystem::read_symlink(process / "exe", error) == program && cmdline.gcount() > 0 &&
            arguments == expectedArguments) {
            started_ = true;
            return;
        }
        std::this_thread::sleep_for(kStartCheckInterval);
    }
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
}

NamedProcess::~NamedProcess() {
    if (!started_)
        return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
}

} // namespace vessant::testsupport

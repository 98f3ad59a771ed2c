#include "platform/RunningPrograms.h"

#include "testsupport/TestFiles.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

using namespace vessant::platform;
using namespace vessant::testsupport;
namespace fs = std::filesystem;

extern char** environ;

namespace {

// A copy of sleep(1) started under another executable name and first argument, as the
// calendar or a Wine-hosted program shows up in /proc; ended with the object.
class NamedProcess {
public:
    NamedProcess(const fs::path& folder, const std::string& executableName,
                 const std::string& firstArgument) {
        const fs::path program = folder / executableName;
        fs::copy_file("/bin/sleep", program, fs::copy_options::overwrite_existing);
        std::string argument0 = firstArgument;
        std::string seconds = "30";
        char* argv[] = {argument0.data(), seconds.data(), nullptr};
        started_ = ::posix_spawn(&pid_, program.c_str(), nullptr, nullptr, argv, environ) == 0;
        // The exe link appears once the new program image is in place.
        for (int i = 0; started_ && i < 200; ++i) {
            std::error_code error;
            if (fs::read_symlink(fs::path("/proc") / std::to_string(pid_) / "exe", error) == program)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    ~NamedProcess() {
        if (started_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    NamedProcess(const NamedProcess&) = delete;
    NamedProcess& operator=(const NamedProcess&) = delete;
    bool started() const { return started_; }

private:
    pid_t pid_ = 0;
    bool started_ = false;
};

} // namespace

TEST(RunningPrograms, ExecutableBaseNames) {
    using namespace std::string_literals;
    struct Case {
        std::string exe;
        std::string commandLine;
        std::string expected;
    };
    const Case cases[] = {
        {"/usr/bin/Vessant3", "Vessant3\0--date\0"s, "Vessant3"},
        {"/opt/v3/Vessant3 (deleted)", "", "Vessant3"},  // replaced by an upgrade while running
        {"/usr/lib/wine/wine64-preloader", "C:\\Program Files\\Vessant2\\Vessant.exe\0"s, "Vessant.exe"},
        {"/usr/bin/wine", "/home/u/.wine/drive_c/Vessant2/Vessant.exe\0x\0"s, "Vessant.exe"},
        {"/usr/lib/wine/wine-preloader", "", "wine-preloader"},
        {"/usr/bin/winecfg", "C:\\Vessant.exe\0"s, "winecfg"},  // not a loader: its own name
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exe);
        EXPECT_EQ(ExecutableBaseName(c.exe, c.commandLine), c.expected);
    }
}

TEST(RunningPrograms, ListsProcessFoldersAndNamesUnreadableOnesUnknown) {
    const fs::path proc = FreshFolderForThisTest();
    fs::create_directories(proc / "41");
    fs::create_symlink("/usr/bin/Vessant3", proc / "41" / "exe");
    fs::create_directories(proc / "42");  // no exe link: a kernel thread, another user's
    fs::create_directories(proc / "self");
    fs::create_symlink("/usr/bin/other", proc / "self" / "exe");
    std::error_code error;
    auto names = RunningProgramNames(proc, error);
    ASSERT_FALSE(error);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Unknown", "Vessant3"}));

    RunningProgramNames(proc / "missing", error);
    EXPECT_TRUE(error);
}

TEST(RunningPrograms, FindsTheCalendarAndAWineHostedProgramWithoutRegardToCase) {
    const fs::path folder = FreshFolderForThisTest();
    EXPECT_EQ(FindRunningProgram(L"Vessant3"), kProgramNotRunning);
    {
        NamedProcess calendar(folder, "Vessant3", "Vessant3");
        ASSERT_TRUE(calendar.started());
        EXPECT_EQ(FindRunningProgram(L"Vessant3"), kProgramRunning);
        EXPECT_EQ(FindRunningProgram(L"VESSANT3"), kProgramRunning);
        EXPECT_EQ(FindRunningProgram(L"Vessant"), kProgramNotRunning);
    }
    EXPECT_EQ(FindRunningProgram(L"Vessant3"), kProgramNotRunning);
    {
        NamedProcess old(folder, "wine64-preloader", "C:\\Program Files\\Vessant2\\Vessant.exe");
        ASSERT_TRUE(old.started());
        EXPECT_EQ(FindRunningProgram(L"vessant.exe"), kProgramRunning);
    }
}

TEST(RunningPrograms, RefusesNamesOfWrongLength) {
    EXPECT_EQ(FindRunningProgram(L""), kProgramNameLength);
    EXPECT_EQ(FindRunningProgram(std::wstring(kMaxProgramNameLength + 1, L'x')), kProgramNameLength);
    EXPECT_EQ(FindRunningProgram(std::wstring(kMaxProgramNameLength, L'x')), kProgramNotRunning);
}

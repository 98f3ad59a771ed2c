#include "platform/RunningPrograms.h"

#include "testsupport/NamedProcess.h"
#include "testsupport/TestFiles.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <string>

using namespace vessant::platform;
using namespace vessant::testsupport;
namespace fs = std::filesystem;

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

TEST(RunningPrograms, FindsAProgramAndAWineHostedOneWithoutRegardToCase) {
    // Names of this test process alone, so that programs started by tests running beside
    // it (the calendar's) cannot answer for them.
    const std::string id = std::to_string(::getpid());
    const std::string program = "VessantProbe" + id;
    const std::string windowsProgram = "Probe" + id + ".exe";
    const std::wstring name(program.begin(), program.end());
    const fs::path folder = FreshFolderForThisTest();
    EXPECT_EQ(FindRunningProgram(name), kProgramNotRunning);
    {
        NamedProcess running(folder, program, program);
        ASSERT_TRUE(running.started());
        EXPECT_EQ(FindRunningProgram(name), kProgramRunning);
        EXPECT_EQ(FindRunningProgram(L"VESSANTPROBE" + std::wstring(id.begin(), id.end())), kProgramRunning);
        EXPECT_EQ(FindRunningProgram(name.substr(0, name.size() - 1)), kProgramNotRunning);
    }
    EXPECT_EQ(FindRunningProgram(name), kProgramNotRunning);
    {
        NamedProcess old(folder, "wine64-preloader", "C:\\Program Files\\Vessant2\\" + windowsProgram);
        ASSERT_TRUE(old.started());
        EXPECT_EQ(FindRunningProgram(std::wstring(windowsProgram.begin(), windowsProgram.end())), kProgramRunning);
    }
}

TEST(RunningPrograms, RefusesNamesOfWrongLength) {
    EXPECT_EQ(FindRunningProgram(L""), kProgramNameLength);
    EXPECT_EQ(FindRunningProgram(std::wstring(kMaxProgramNameLength + 1, L'x')), kProgramNameLength);
    EXPECT_EQ(FindRunningProgram(std::wstring(kMaxProgramNameLength, L'x')), kProgramNotRunning);
}

#include "cli/tests/ProgramRun.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vessant::clitest {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path TestFolder(const std::string& name) {
    const fs::path folder =
        fs::path(testing::TempDir()) / ("vessant_cli_" + std::to_string(::getpid())) / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

RUN RunProgram(const std::vector<std::string>& words, const fs::path& dataFolder, long fileSizeLimit,
               const fs::path& program) {
    static int serial = 0;
    const fs::path scratch = TestFolder("run" + std::to_string(++serial));
    const fs::path outFile = scratch / "out";
    const fs::path errFile = scratch / "err";
    const pid_t child = fork();
    if (child == 0) {
        const int out = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        setenv("VESSANT_DATA_DIR", dataFolder.c_str(), 1);
        setenv("LANG", "C.UTF-8", 1);
        unsetenv("LC_ALL");
        unsetenv("LC_MESSAGES");
        if (fileSizeLimit > 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{static_cast<rlim_t>(fileSizeLimit), static_cast<rlim_t>(fileSizeLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& word : words)
            argv.push_back(const_cast<char*>(word.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    RUN run;
    int status = 0;
    waitpid(child, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = ReadBytes(outFile);
    run.err = ReadBytes(errFile);
    return run;
}

} // namespace vessant::clitest

#pragma once
// Runs the built command-line program as a user runs it, in a child process with its own
// data folder, and keeps what it printed and its exit status.

#include <filesystem>
#include <string>
#include <vector>

namespace vessant::clitest {

struct RUN {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadBytes(const std::filesystem::path& file);

// An empty folder of the test run's own, under the test temporary folder.
std::filesystem::path TestFolder(const std::string& name);

// Runs the program with the given words, the data folder `dataFolder` (which need not
// exist) and, when fileSizeLimit is set, a limit on the size of every file it writes, as a
// full disk would impose.
RUN RunProgram(const std::vector<std::string>& words, const std::filesystem::path& dataFolder,
               long fileSizeLimit = 0, const std::filesystem::path& program = VESSANT_CLI_PROGRAM);

} // namespace vessant::clitest

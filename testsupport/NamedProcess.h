#pragma once
// A program running under a name of the test's choosing, as the process list shows it: a
// copy of sleep(1) named executableName in a folder, started with firstArgument as its
// argv[0] (a Wine-hosted program shows its Windows path there). Ended with the object.

#include <filesystem>
#include <string>

#include <sys/types.h>

namespace vessant::testsupport {

class NamedProcess {
public:
    NamedProcess(const std::filesystem::path& folder, const std::string& executableName,
                 const std::string& firstArgument);
    ~NamedProcess();
    NamedProcess(const NamedProcess&) = delete;
    NamedProcess& operator=(const NamedProcess&) = delete;

    // Started, and its executable already in place in /proc.
    bool started() const { return started_; }

private:
    pid_t pid_ = 0;
    bool started_ = false;
};

} // namespace vessant::testsupport

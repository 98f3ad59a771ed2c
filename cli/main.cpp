// vessant: the command-line companion of the Vessant 3 calendar.

#include "cli/CliText.h"
#include "cli/CliTextIds.h"
#include "cli/Commands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Standard output or error; a write that fails is remembered so that the program can
// end with a failure instead of pretending the output arrived.
class CStreamOutput final : public vessant::cli::COutput {
public:
    explicit CStreamOutput(std::FILE* stream) : stream_(stream) {}
    void Write(std::string_view bytes) override {
        if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size() && error_ == 0)
            error_ = errno ? errno : EIO;
    }
    // Flushes; the error of any write, or 0.
    int Close() {
        if (std::fflush(stream_) != 0 && error_ == 0)
            error_ = errno ? errno : EIO;
        return error_;
    }

private:
    std::FILE* stream_;
    int error_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    CStreamOutput out(stdout);
    CStreamOutput err(stderr);
    int status = vessant::cli::RunCli(words, out, err);
    if (const int error = out.Close()) {
        err.Write("vessant: " +
                  vessant::cli::Say(vessant::cli::kIdErrStandardOutput,
                                    {vessant::cli::Wide(std::strerror(error))}) +
                  "\n");
        err.Close();
        return vessant::cli::kExitFailure;
    }
    err.Close();
    return status;
}

#include "testsupport/FileSizeLimit.h"

#include <csignal>

namespace vessant::testsupport {

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    // Without this the process would be killed by SIGXFSZ instead of seeing the error.
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

} // namespace vessant::testsupport

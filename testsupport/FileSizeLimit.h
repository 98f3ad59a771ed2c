#pragma once
// A full disk on demand: while the object lives, every write that would take a file of
// the process past `bytes` fails with EFBIG half-way, as a full disk fails it, even for
// root. The limit in force before is restored on destruction.

#include <sys/resource.h>

namespace vessant::testsupport {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

} // namespace vessant::testsupport

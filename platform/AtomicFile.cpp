#include "AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace vessant::platform {
namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

// The permission bits a newly created file gets: 0666 less the process umask, read from
// /proc so that the umask itself is never changed (it is process-wide).
mode_t NewFileMode() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            try {
                return static_cast<mode_t>(0666 & ~std::stoul(line.substr(6), nullptr, 8));
            } catch (...) {
                break;
            }
        }
    }
    return 0644;
}

std::error_code WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return LastError();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// Makes the rename itself durable; failure here cannot be acted on, so it is ignored.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::error_code WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    if (target.empty() || !target.has_filename())
        return std::make_error_code(std::errc::invalid_argument);

    // Replace what a link points at, not the link.
    std::filesystem::path real = target;
    std::error_code error;
    if (std::filesystem::is_symlink(target, error)) {
        auto resolved = std::filesystem::weakly_canonical(target, error);
        if (!error)
            real = resolved;
    }
    std::filesystem::path folder = real.parent_path();
    if (folder.empty())
        folder = ".";

    // A hidden name beside the target, so the rename stays within one file system.
    std::string temporary = (folder / real.filename()).string();
    temporary.insert(temporary.size() - real.filename().string().size(), 1, '.');
    temporary += ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return LastError();

    struct stat existing {};
    const mode_t mode = (::stat(real.c_str(), &existing) == 0) ? (existing.st_mode & 07777) : NewFileMode();

    error = WriteAll(fd, bytes);
    if (!error && ::fchmod(fd, mode) != 0)
        error = LastError();
    if (!error && ::fsync(fd) != 0)
        error = LastError();
    if (::close(fd) != 0 && !error)
        error = LastError();
    if (!error && ::rename(temporary.c_str(), real.c_str()) != 0)
        error = LastError();
    if (error) {
        ::unlink(temporary.c_str());
        return error;
    }
    SyncFolder(folder);
    return {};
}

std::error_code KeepPreviousGeneration(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return error; // cleared when the file is simply not there
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::make_error_code(std::errc::permission_denied);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return std::make_error_code(std::errc::io_error);
    std::filesystem::path copy = file;
    copy += ".txt";
    return WriteFileAtomically(copy, bytes);
}

} // namespace vessant::platform

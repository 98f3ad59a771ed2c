#include "transfer/convert/Carry.h"

#include <cerrno>
#include <cstdio>
#include <memory>

namespace vessant::transfer {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

OldFileState ReadOldFile(const std::filesystem::path& file, std::string& bytes, std::error_code& error) {
    error.clear();
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        error.clear();
        return OldFileState::Missing;
    }
    if (error)
        return OldFileState::Unreadable;
    if (status.type() == std::filesystem::file_type::directory) {
        error = std::make_error_code(std::errc::is_a_directory);
        return OldFileState::Unreadable;
    }
    const std::unique_ptr<std::FILE, FileCloser> in(std::fopen(file.c_str(), "rb"));
    if (!in) {
        error = std::error_code(errno, std::generic_category());
        return OldFileState::Unreadable;
    }
    bytes.clear();
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, in.get())) > 0)
        bytes.append(buffer, count);
    if (std::ferror(in.get())) {
        error = std::make_error_code(std::errc::io_error);
        return OldFileState::Unreadable;
    }
    return OldFileState::Read;
}

} // namespace vessant::transfer

#pragma once
// Small file helpers shared by the user-data tests.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace vessant::testing_files {

namespace fs = std::filesystem;

inline std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const fs::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// An empty folder of its own for each test (the tests run as parallel processes).
inline fs::path FreshFolder(const std::string& name) {
    const fs::path folder = fs::path(testing::TempDir()) /
                            ("vessant_userdata_" + std::to_string(::getpid())) / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

inline fs::path Fixture(const char* name) { return fs::path(VESSANT_TEST_DATA) / name; }

// Makes every write beyond `bytes` fail with EFBIG, as a full disk fails a write half-way,
// even for root. Restored on destruction.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

} // namespace vessant::testing_files

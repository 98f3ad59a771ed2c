#include "testsupport/TestFiles.h"

#include "platform/TextCodec.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace vessant::testsupport {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kByteOrderMark = "\xFF\xFE";

class RemoveTestRoot : public ::testing::Environment {
public:
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(TestRoot(), ignored);
    }
};
[[maybe_unused]] ::testing::Environment* const kRemoveTestRoot = ::testing::AddGlobalTestEnvironment(new RemoveTestRoot);

} // namespace

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Utf16File(std::wstring_view text) {
    std::string bytes(kByteOrderMark);
    bytes += platform::Utf16LeFromWide(text);
    return bytes;
}

void WriteUtf16File(const fs::path& file, std::wstring_view text) { WriteBytes(file, Utf16File(text)); }

std::wstring Utf16Text(const fs::path& file) {
    const std::string bytes = ReadBytes(file);
    EXPECT_EQ(bytes.substr(0, 2), kByteOrderMark) << file;
    return platform::WideFromUtf16Le(bytes.substr(std::min<std::size_t>(2, bytes.size())));
}

const fs::path& TestRoot() {
    static const fs::path root = fs::path(::testing::TempDir()) / ("vessant_tests_" + std::to_string(::getpid()));
    return root;
}

fs::path FreshFolder(std::string_view name) {
    const fs::path folder = TestRoot() / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

fs::path FreshFolderForThisTest(std::string_view part) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    if (!part.empty())
        name.append(".").append(part);
    return FreshFolder(name);
}

} // namespace vessant::testsupport

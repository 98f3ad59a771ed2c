#include "platform/AtomicFile.h"
#include "platform/ProfileFile.h"
#include "testsupport/FileSizeLimit.h"
#include "testsupport/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

using namespace vessant::platform;
using namespace vessant::testsupport;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> FileNames(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(AtomicFile, ReplacesTheFileKeepsItsPermissionsAndLeavesNoTemporaryFile) {
    const fs::path folder = FreshFolder("replace");
    const fs::path file = folder / "events.ini";
    ASSERT_FALSE(WriteFileAtomically(file, "first"));
    EXPECT_EQ(ReadBytes(file), "first");

    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_FALSE(WriteFileAtomically(file, std::string("second\0", 7)));
    EXPECT_EQ(ReadBytes(file), std::string("second\0", 7));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(FileNames(folder), std::vector<std::string>{"events.ini"});
}

TEST(AtomicFile, WritesThroughALinkAndKeepsTheLink) {
    const fs::path folder = FreshFolder("link");
    WriteBytes(folder / "real.ini", "old");
    fs::create_symlink("real.ini", folder / "options.ini");
    ASSERT_FALSE(WriteFileAtomically(folder / "options.ini", "new"));
    EXPECT_TRUE(fs::is_symlink(folder / "options.ini"));
    EXPECT_EQ(ReadBytes(folder / "real.ini"), "new");
}

TEST(AtomicFile, FailuresAreReportedAndLeaveTheOldFile) {
    const fs::path folder = FreshFolder("fail");

    // A folder that cannot exist: its parent is a regular file.
    WriteBytes(folder / "plain", "x");
    EXPECT_EQ(WriteFileAtomically(folder / "plain" / "options.ini", "data"),
              std::errc::not_a_directory);

    // The target is a folder: the rename fails and the temporary file is removed.
    fs::create_directory(folder / "taken.ini");
    EXPECT_TRUE(WriteFileAtomically(folder / "taken.ini", "data"));
    EXPECT_TRUE(fs::is_directory(folder / "taken.ini"));

    // The disk fills half-way through the write.
    WriteBytes(folder / "options.ini", "old contents");
    {
        FileSizeLimit limit(64);
        EXPECT_EQ(WriteFileAtomically(folder / "options.ini", std::string(1000, 'n')),
                  std::errc::file_too_large);
    }
    EXPECT_EQ(ReadBytes(folder / "options.ini"), "old contents");
    EXPECT_EQ(FileNames(folder), (std::vector<std::string>{"options.ini", "plain", "taken.ini"}));

    EXPECT_TRUE(WriteFileAtomically({}, "data"));
}

TEST(AtomicFile, ProfileSaveReportsAFailedWriteAndKeepsTheOldFile) {
    const fs::path folder = FreshFolder("profile");
    const fs::path file = folder / "shitot.ini";
    auto profile = ProfileFile::Open(file);
    profile.WriteString(L"Shita 100", L"name", L"mine");
    ASSERT_FALSE(profile.Save());
    const std::string saved = ReadBytes(file);

    for (int i = 0; i < 100; ++i)
        profile.WriteInt(L"Shita 100", L"code" + std::to_wstring(i), i);
    std::error_code error;
    {
        FileSizeLimit limit(saved.size() + 10);
        error = profile.Save();
    }
    EXPECT_EQ(error, std::errc::file_too_large);
    EXPECT_EQ(ReadBytes(file), saved);
    EXPECT_EQ(FileNames(folder), std::vector<std::string>{"shitot.ini"});
}

TEST(AtomicFile, KeepsThePreviousGenerationBesideTheFile) {
    const fs::path folder = FreshFolder("generation");
    const fs::path file = folder / "events.ini";
    EXPECT_FALSE(KeepPreviousGeneration(file)) << "a missing file is not an error";
    EXPECT_FALSE(fs::exists(folder / "events.ini.txt"));

    WriteBytes(file, "generation 1");
    ASSERT_FALSE(KeepPreviousGeneration(file));
    WriteBytes(file, "generation 2");
    ASSERT_FALSE(KeepPreviousGeneration(file));
    EXPECT_EQ(ReadBytes(folder / "events.ini.txt"), "generation 2");
    EXPECT_EQ(ReadBytes(file), "generation 2");

    WriteBytes(folder / "plain", "x");
    EXPECT_FALSE(KeepPreviousGeneration(folder / "plain" / "events.ini"));
}

#pragma once
// File helpers of the user-data tests: the shared ones, and the module's fixtures.

#include "testsupport/FileSizeLimit.h"
#include "testsupport/TestFiles.h"

#include <filesystem>

namespace vessant::testing_files {

using testsupport::FileSizeLimit;
using testsupport::FreshFolder;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

inline std::filesystem::path Fixture(const char* name) {
    return std::filesystem::path(VESSANT_TEST_DATA) / name;
}

} // namespace vessant::testing_files

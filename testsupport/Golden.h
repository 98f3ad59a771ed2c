#pragma once
// Golden files: an output compared byte for byte with a copy kept beside the tests, so
// that a refactoring which must not change what the user sees is held to it. Run the
// tests with VESSANT_UPDATE_GOLDEN=1 to write the copies anew after an intended change,
// then read the difference in version control before committing it.

#include <filesystem>
#include <string>

namespace vessant::testsupport {

// Fails the current test when `actual` differs from the file, naming the first line that
// differs; writes the file instead when VESSANT_UPDATE_GOLDEN is set.
void ExpectMatchesGolden(const std::filesystem::path& file, const std::string& actual);

// A 64-bit FNV-1a digest in hexadecimal, for outputs too large to keep whole.
std::string Digest(const std::string& bytes);

} // namespace vessant::testsupport

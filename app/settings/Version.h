#pragma once
// Program versions: the running program's own, the one stored in options.ini by the last
// writer, and what the difference between them means at start.

#include <cstdint>
#include <string>
#include <string_view>

namespace vessant::platform {
class ProfileFile;
}

namespace vessant {

struct VERSION_NUMBER {
    std::int32_t major = 0;
    std::int32_t minor = 0;
    std::int32_t build = 0;
    std::int32_t revision = 0;
};

// The running program's version, fixed by the build.
VERSION_NUMBER ProgramVersion();

// Reads "%d.%d.%d.%d" the way a scanf would: the numbers that parse are kept, the rest
// stay 0, so a missing or unreadable text is 0.0.0.0.
VERSION_NUMBER ParseVersion(std::wstring_view text);
std::wstring FormatVersion(const VERSION_NUMBER& version); // "%d.%d.%d.%d"

// Where options.ini keeps the version of the program that last wrote it.
inline constexpr wchar_t kVersionSection[] = L"Version";
inline constexpr wchar_t kProgramVersionKey[] = L"Program";

// The version options.ini says its last writer had ("Version" / "Program"); 0.0.0.0
// when it names none.
VERSION_NUMBER StoredProgramVersion(const platform::ProfileFile& options);

// No version stored: the file is new, or was written by the transfer program.
bool IsFreshVersion(const VERSION_NUMBER& stored);
// Location rows written before 3.1.36 count candle lighting from a different base. Each
// part is compared on its own, so 4.0.50.0 counts as old.
bool HasOldLocationRows(const VERSION_NUMBER& stored);
// Major and minor are compared each on its own: 4.0 shows the new features of 3.2.
bool ShowsNewFeatures(const VERSION_NUMBER& stored, const VERSION_NUMBER& program);

} // namespace vessant

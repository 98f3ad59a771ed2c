#include "app/settings/Version.h"

#include "platform/ProfileFile.h"

#include <cwctype>

namespace vessant {

VERSION_NUMBER ProgramVersion() {
    // Set from the project version by the build.
    return {VESSANT_VERSION_MAJOR, VESSANT_VERSION_MINOR, VESSANT_VERSION_PATCH, VESSANT_VERSION_TWEAK};
}

VERSION_NUMBER ParseVersion(std::wstring_view text) {
    std::int32_t parts[4] = {0, 0, 0, 0};
    std::size_t i = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (i >= text.size() || text[i] != L'.')
                break;
            ++i;
        }
        std::size_t digits = i;
        while (digits < text.size() && std::iswspace(static_cast<wint_t>(text[digits])))
            ++digits;
        if (digits < text.size() && (text[digits] == L'-' || text[digits] == L'+'))
            ++digits;
        if (digits >= text.size() || text[digits] < L'0' || text[digits] > L'9')
            break;
        parts[part] = platform::LeadingDecimal(text.substr(i));
        i = digits;
        while (i < text.size() && text[i] >= L'0' && text[i] <= L'9')
            ++i;
    }
    return {parts[0], parts[1], parts[2], parts[3]};
}

std::wstring FormatVersion(const VERSION_NUMBER& version) {
    return std::to_wstring(version.major) + L"." + std::to_wstring(version.minor) + L"." +
           std::to_wstring(version.build) + L"." + std::to_wstring(version.revision);
}

VERSION_NUMBER StoredProgramVersion(const platform::ProfileFile& options) {
    return ParseVersion(options.GetString(kVersionSection, kProgramVersionKey));
}

bool IsFreshVersion(const VERSION_NUMBER& stored) {
    return stored.major == 0 && stored.minor == 0 && stored.build == 0 && stored.revision == 0;
}

bool HasOldLocationRows(const VERSION_NUMBER& stored) {
    return !(stored.major >= 3 && stored.minor >= 1 && stored.build >= 36);
}

bool ShowsNewFeatures(const VERSION_NUMBER& stored, const VERSION_NUMBER& program) {
    return stored.major < program.major || stored.minor < program.minor;
}

} // namespace vessant

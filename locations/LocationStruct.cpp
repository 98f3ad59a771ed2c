#include "locations/LocationStruct.h"

#include "platform/ProfileFile.h"

namespace vessant {

bool IsIsraelCountry(std::wstring_view country) {
    return platform::EqualIgnoringCase(country, L"Israel") ||
           country == L"\x05D9\x05E9\x05E8\x05D0\x05DC";  // ישראל
}

} // namespace vessant

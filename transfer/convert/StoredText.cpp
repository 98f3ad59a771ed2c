#include "transfer/convert/StoredText.h"

#include "platform/SingleLine.h"

namespace vessant::transfer {

std::wstring StoredText(std::wstring_view text) {
    constexpr std::wstring_view kBlanks = L" \t\v\f";
    std::wstring line = platform::SingleLine(text);
    const auto first = line.find_first_not_of(kBlanks);
    if (first == std::wstring::npos)
        return {};
    const auto last = line.find_last_not_of(kBlanks);
    return line.substr(first, last - first + 1);
}

} // namespace vessant::transfer

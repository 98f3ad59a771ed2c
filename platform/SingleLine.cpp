#include "platform/SingleLine.h"

namespace vessant::platform {

std::wstring SingleLine(std::wstring_view text, std::wstring_view alsoBlank) {
    std::wstring line(text);
    for (wchar_t& c : line) {
        if (c == L'\r' || c == L'\n' || alsoBlank.find(c) != std::wstring_view::npos)
            c = L' ';
    }
    return line;
}

} // namespace vessant::platform

#include "userdata/EventStruct.h"

#include "text/TextTable.h"

namespace vessant {

const std::wstring& EventTypeText(int type) {
    static const std::wstring empty;
    if (type < kEventBirthdayMale || type > kEventOneTime)
        return empty;
    return TextOfResource(290 + type);
}

std::wstring SingleLineText(std::wstring_view text) {
    std::wstring line(text);
    for (wchar_t& c : line) {
        if (c == L'\r' || c == L'\n')
            c = L' ';
    }
    return line;
}

} // namespace vessant

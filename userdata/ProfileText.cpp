#include "userdata/ProfileText.h"

#include "platform/TextCodec.h"
#include "userdata/EventStruct.h"

namespace vessant {

CProfileText::CProfileText() : bytes_("\xFF\xFE") {}

void CProfileText::Line(std::wstring_view text) {
    bytes_ += platform::Utf16LeFromWide(text);
    bytes_ += platform::Utf16LeFromWide(L"\r\n");
}

void CProfileText::Section(std::wstring_view name) {
    std::wstring line = L"[";
    line += SingleLineText(name);
    line += L']';
    Line(line);
}

void CProfileText::Key(std::wstring_view key, std::wstring_view value) {
    std::wstring line(key);
    line += L'=';
    line += SingleLineText(value);
    Line(line);
}

void CProfileText::Key(std::wstring_view key, int value) {
    Key(key, std::to_wstring(value));
}

} // namespace vessant

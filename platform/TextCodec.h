#pragma once
// Conversions between the program's wide strings (one wchar_t per code point) and the
// byte encodings of files and terminals.

#include <string>
#include <string_view>

namespace vessant::platform {

std::string Utf8FromWide(std::wstring_view text);
// Malformed bytes become U+FFFD.
std::wstring WideFromUtf8(std::string_view bytes);

// UTF-16LE without byte-order mark; code points above U+FFFF become surrogate pairs.
std::string Utf16LeFromWide(std::wstring_view text);
// Unpaired surrogates become U+FFFD; an odd trailing byte is dropped.
std::wstring WideFromUtf16Le(std::string_view bytes);

// Windows-1252, the 8-bit code page of legacy files; the five unassigned bytes map to
// the C1 controls of the same value, as the platform does.
std::wstring WideFromWindows1252(std::string_view bytes);

} // namespace vessant::platform

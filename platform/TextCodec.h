#pragma once
// Conversions between the program's wide strings (one wchar_t per code point) and the
// byte encodings of files and terminals.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vessant::platform {

std::string Utf8FromWide(std::wstring_view text);
// Malformed bytes become U+FFFD.
std::wstring WideFromUtf8(std::string_view bytes);

// UTF-16LE without byte-order mark; code points above U+FFFF become surrogate pairs and
// anything that is not a code point U+FFFD.
std::string Utf16LeFromWide(std::wstring_view text);
// The same appended to `out`.
void AppendUtf16Le(std::string& out, std::wstring_view text);

// The same written at `dest`, which must have room for kMostUtf16LeBytesPerChar bytes a
// character; returns the end of what was written. For writers that size their buffer
// once for many texts.
inline constexpr std::size_t kMostUtf16LeBytesPerChar = 4;
char* WriteUtf16Le(char* dest, std::wstring_view text);
inline char* WriteUtf16LeUnit(char* dest, std::uint32_t unit) {
    dest[0] = static_cast<char>(unit & 0xFF);
    dest[1] = static_cast<char>((unit >> 8) & 0xFF);
    return dest + 2;
}
// Unpaired surrogates become U+FFFD; an odd trailing byte is dropped.
std::wstring WideFromUtf16Le(std::string_view bytes);

// Windows-1252, the 8-bit code page of legacy files; the five unassigned bytes map to
// the C1 controls of the same value, as the platform does.
std::wstring WideFromWindows1252(std::string_view bytes);

} // namespace vessant::platform

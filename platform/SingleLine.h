#pragma once
// Texts kept in one line of a file: a title, a message, a name, a row field.

#include <string>
#include <string_view>

namespace vessant::platform {

// The text with every carriage return and line feed, and every character of alsoBlank,
// replaced by one blank each, so a stored value can never split its line and plant a
// forged key, section or row. The length never changes.
std::wstring SingleLine(std::wstring_view text, std::wstring_view alsoBlank = {});

} // namespace vessant::platform

#pragma once
// Builds an initialization file line by line in the exact form the user data files are
// written: UTF-16LE with a byte-order mark, "[name]" and "key=value" lines ended by CRLF.

#include <string>
#include <string_view>

namespace vessant {

class CProfileText {
public:
    CProfileText();
    void Section(std::wstring_view name);
    // A line break in the value becomes a blank: one key can never plant another.
    void Key(std::wstring_view key, std::wstring_view value);
    void Key(std::wstring_view key, int value);
    const std::string& Bytes() const { return bytes_; }

private:
    void Line(std::wstring_view text);
    std::string bytes_;
};

} // namespace vessant

#pragma once
// A small JSON writer for the --json output: objects and arrays written in order, with
// texts escaped, indented two blanks a level. Keys and string values are wide strings
// written as UTF-8.

#include <string>
#include <string_view>
#include <vector>

namespace vessant::cli {

class CJsonWriter {
public:
    void BeginObject(std::string_view key = {});
    void EndObject();
    void BeginArray(std::string_view key = {});
    void EndArray();

    void String(std::string_view key, std::wstring_view value);
    void Number(std::string_view key, long long value);
    void Bool(std::string_view key, bool value);
    void Null(std::string_view key);
    // Array elements.
    void String(std::wstring_view value) { String({}, value); }
    void Number(long long value) { Number({}, value); }

    // The document, ending with a line feed once the outermost value is closed.
    const std::string& Text() const { return text_; }

private:
    void Key(std::string_view key);
    void Open(std::string_view key, char bracket);
    void Close(char bracket);

    std::string text_;
    std::vector<bool> hasMembers_; // per open level
};

// A text as a JSON string literal, quotes included.
std::string JsonQuoted(std::wstring_view text);

} // namespace vessant::cli

#include "cli/Json.h"

#include "platform/TextCodec.h"

#include <cstdio>

namespace vessant::cli {

std::string JsonQuoted(std::wstring_view text) {
    std::string out = "\"";
    for (const wchar_t ch : text) {
        switch (ch) {
        case L'"': out += "\\\""; break;
        case L'\\': out += "\\\\"; break;
        case L'\n': out += "\\n"; break;
        case L'\r': out += "\\r"; break;
        case L'\t': out += "\\t"; break;
        default:
            if (ch < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(ch));
                out += escape;
            } else {
                out += platform::Utf8FromWide(std::wstring_view(&ch, 1));
            }
        }
    }
    out += '"';
    return out;
}

void CJsonWriter::Key(std::string_view key) {
    if (!hasMembers_.empty()) {
        if (hasMembers_.back())
            text_ += ',';
        hasMembers_.back() = true;
        text_ += '\n';
        text_.append(2 * hasMembers_.size(), ' ');
    }
    if (!key.empty()) {
        text_ += JsonQuoted(platform::WideFromUtf8(key));
        text_ += ": ";
    }
}

void CJsonWriter::Open(std::string_view key, char bracket) {
    Key(key);
    text_ += bracket;
    hasMembers_.push_back(false);
}

void CJsonWriter::Close(char bracket) {
    const bool members = hasMembers_.back();
    hasMembers_.pop_back();
    if (members) {
        text_ += '\n';
        text_.append(2 * hasMembers_.size(), ' ');
    }
    text_ += bracket;
    if (hasMembers_.empty())
        text_ += '\n';
}

void CJsonWriter::BeginObject(std::string_view key) { Open(key, '{'); }
void CJsonWriter::EndObject() { Close('}'); }
void CJsonWriter::BeginArray(std::string_view key) { Open(key, '['); }
void CJsonWriter::EndArray() { Close(']'); }

void CJsonWriter::String(std::string_view key, std::wstring_view value) {
    Key(key);
    text_ += JsonQuoted(value);
}

void CJsonWriter::Number(std::string_view key, long long value) {
    Key(key);
    text_ += std::to_string(value);
}

void CJsonWriter::Bool(std::string_view key, bool value) {
    Key(key);
    text_ += value ? "true" : "false";
}

void CJsonWriter::Null(std::string_view key) {
    Key(key);
    text_ += "null";
}

} // namespace vessant::cli

#include "transfer/convert/LegacyTextReader.h"

#include <limits>

namespace vessant::transfer {
namespace {

constexpr char kEndOfFileMark = '\x1A';  // Ctrl-Z: the end of a text file on Windows

// The white space of the C library's "C" locale, which scanf skips.
bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string TextModeBytes(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find(kEndOfFileMark));
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        text.push_back(bytes[i]);
    }
    return text;
}

std::string_view TrimBlanksAndTabs(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

LegacyTextReader::LegacyTextReader(std::string_view fileBytes) : text_(TextModeBytes(fileBytes)) {}

std::optional<std::string> LegacyTextReader::ReadTrimmedLine() {
    if (AtEnd())
        return std::nullopt;
    const std::size_t end = text_.find('\n', position_);
    const std::size_t stop = end == std::string::npos ? text_.size() : end;
    const std::string_view line = std::string_view(text_).substr(position_, stop - position_);
    position_ = end == std::string::npos ? text_.size() : end + 1;
    return std::string(TrimBlanksAndTabs(line));
}

void LegacyTextReader::SkipWhiteSpace() {
    while (!AtEnd() && IsWhiteSpace(text_[position_]))
        ++position_;
}

void LegacyTextReader::SkipLine() {
    const std::size_t end = text_.find('\n', position_);
    position_ = end == std::string::npos ? text_.size() : end + 1;
}

ReadResult LegacyTextReader::ReadInt(std::size_t maxWidth, std::int32_t& value) {
    SkipWhiteSpace();
    if (AtEnd())
        return ReadResult::End;
    const std::size_t limit = maxWidth == 0 ? std::numeric_limits<std::size_t>::max() : maxWidth;
    std::size_t taken = 0;
    bool negative = false;
    if (text_[position_] == '-' || text_[position_] == '+') {
        negative = text_[position_] == '-';
        ++position_;
        ++taken;
    }
    std::int64_t number = 0;
    std::size_t digits = 0;
    while (taken < limit && !AtEnd() && IsDigit(text_[position_])) {
        number = number * 10 + (text_[position_] - '0');
        if (number > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            return ReadResult::Malformed;
        ++position_;
        ++taken;
        ++digits;
    }
    if (digits == 0)
        return ReadResult::Malformed;
    number = negative ? -number : number;
    if (number > std::numeric_limits<std::int32_t>::max())
        return ReadResult::Malformed;
    value = static_cast<std::int32_t>(number);
    return ReadResult::Ok;
}

ReadResult LegacyTextReader::ReadWord(std::string& word) {
    SkipWhiteSpace();
    if (AtEnd())
        return ReadResult::End;
    const std::size_t start = position_;
    while (!AtEnd() && !IsWhiteSpace(text_[position_]))
        ++position_;
    word.assign(text_, start, position_ - start);
    return ReadResult::Ok;
}

bool LegacyTextReader::ReadByte(char& byte) {
    if (AtEnd())
        return false;
    byte = text_[position_++];
    return true;
}

std::string LegacyTextReader::ReadBytes(std::size_t count) {
    const std::string bytes = text_.substr(position_, count);
    position_ += bytes.size();
    return bytes;
}

} // namespace vessant::transfer

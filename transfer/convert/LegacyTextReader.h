#pragma once
// Reading the older generations' files the way their C library read a text file on
// Windows: CR LF is one line end and a Ctrl-Z byte ends the file. The reads mirror the
// ones those programs made (a line, "%Nd", "%s", one byte, a fixed run of bytes), but a
// line is read whole however long it is.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vessant::transfer {

enum class ReadResult {
    Ok,
    End,        // the file ended before anything of the item was found
    Malformed,  // something else stands where the item should be
};

class LegacyTextReader {
public:
    explicit LegacyTextReader(std::string_view fileBytes);

    bool AtEnd() const { return position_ >= text_.size(); }
    // Where the next read starts, to come back to.
    std::size_t Position() const { return position_; }
    void SeekTo(std::size_t position) { position_ = position < text_.size() ? position : text_.size(); }

    // The next line without its line end, blanks and tabs removed at both ends; nullopt
    // at the end of the file.
    std::optional<std::string> ReadTrimmedLine();

    // scanf's "%Nd" (maxWidth 0: no limit): white space skipped, then at most maxWidth
    // characters of an optional sign and decimal digits. A number outside 32 bits is
    // malformed.
    ReadResult ReadInt(std::size_t maxWidth, std::int32_t& value);
    // scanf's "%s": white space skipped, then the characters up to the next white space.
    ReadResult ReadWord(std::string& word);
    // One byte as it stands ("%c", fgetc); false at the end.
    bool ReadByte(char& byte);
    // The next count bytes as they stand, fewer where the file ends.
    std::string ReadBytes(std::size_t count);
    void SkipWhiteSpace();
    // Up to and past the next line end (or to the end of the file).
    void SkipLine();

private:
    std::string text_;
    std::size_t position_ = 0;
};

} // namespace vessant::transfer

#pragma once
// Initialization ("profile") files: [section] lines and key=value lines, names compared
// without regard to letter case. A file is parsed once and served from memory; changes
// are made in memory and reach the disk with Save, which replaces the file safely.
// Files are written as UTF-16LE with a byte-order mark and CRLF line ends; a file
// without the mark is read as Windows-1252 text (one with the UTF-8 mark as UTF-8).
// Lines the layer does not understand (comments, stray text) are kept as they are.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace vessant::platform {

class ProfileFile {
public:
    // Reads a file; a missing or unreadable file gives an empty profile (existed() false).
    static ProfileFile Open(const std::filesystem::path& file);
    // Parses bytes as if they had been read from file (which Save would then write).
    static ProfileFile FromBytes(std::string_view bytes, const std::filesystem::path& file = {});

    const std::filesystem::path& path() const;
    bool existed() const;            // the file was there when opened
    bool hadByteOrderMark() const;   // its first two bytes were FF FE

    // The value of a key, or the default when the section or key is missing.
    std::wstring GetString(std::wstring_view section, std::wstring_view key,
                           std::wstring_view defaultValue = {}) const;
    // Missing or empty: the default; otherwise the leading signed decimal number (0 when
    // the value does not start with one).
    int GetInt(std::wstring_view section, std::wstring_view key, int defaultValue) const;
    bool HasKey(std::wstring_view section, std::wstring_view key) const;
    bool HasSection(std::wstring_view section) const;

    // In file order. A name written twice is listed once: reads and writes reach only its
    // first occurrence (the first section of that name, the first line of that key).
    std::vector<std::wstring> SectionNames() const;
    std::vector<std::wstring> KeyNames(std::wstring_view section) const;

    // Replaces the value in place, or appends the key at the end of its section, creating
    // the section at the end of the file. A line break in the value becomes a blank, so
    // a value can never plant another key.
    void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value);
    void WriteInt(std::wstring_view section, std::wstring_view key, int value);
    void DeleteKey(std::wstring_view section, std::wstring_view key);
    // Removes every section of that name, so rows written afterwards cannot mix with the
    // stale rows of a repeated section.
    void DeleteSection(std::wstring_view section);

    // Writes the whole profile to path(): a new file beside the old one, renamed over it.
    // On failure the old file is untouched and the error is returned.
    std::error_code Save() const;

    // The bytes Save would write.
    std::string Serialize() const;

    ProfileFile();
    ~ProfileFile();
    ProfileFile(ProfileFile&&) noexcept;
    ProfileFile& operator=(ProfileFile&&) noexcept;
    ProfileFile(const ProfileFile&);
    ProfileFile& operator=(const ProfileFile&);

private:
    struct Impl;
    Impl& impl();
    const Impl& impl() const;
    std::unique_ptr<Impl> impl_;
};

// The leading signed decimal number of a text, as integer keys are read: blanks, an
// optional sign, digits; 0 when there are no digits. Beyond 32 bits it wraps around.
int LeadingDecimal(std::wstring_view text);

// Whether two names are the same without regard to letter case (Latin, Greek and
// Cyrillic letters), the comparison used for section and key names.
bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b);

} // namespace vessant::platform

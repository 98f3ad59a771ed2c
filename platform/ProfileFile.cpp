#include "ProfileFile.h"

#include "AtomicFile.h"
#include "TextCodec.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <unordered_map>

namespace vessant::platform {
namespace {

// Simple case folding: enough for the Latin, Greek, Cyrillic and Armenian letters that
// can appear in section and key names. Hebrew has no case.
wchar_t FoldChar(wchar_t c) {
    const auto u = static_cast<std::uint32_t>(c);
    if (u < 0x80)
        return (u >= 'A' && u <= 'Z') ? static_cast<wchar_t>(u + 0x20) : c;
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7)
        return static_cast<wchar_t>(u + 0x20);
    if (u == 0x178)
        return static_cast<wchar_t>(0xFF);
    if (u == 0x130 || u == 0x131)
        return c; // dotted and dotless i have no partner outside Turkish rules
    if ((u >= 0x100 && u <= 0x137) || (u >= 0x14A && u <= 0x177))
        return static_cast<wchar_t>(u | 1);              // even capital, odd small
    if ((u >= 0x139 && u <= 0x148) || (u >= 0x179 && u <= 0x17E))
        return static_cast<wchar_t>((u & 1) ? u + 1 : u); // odd capital, even small
    if (u == 0x386)
        return static_cast<wchar_t>(0x3AC);
    if (u >= 0x388 && u <= 0x38A)
        return static_cast<wchar_t>(u + 0x25);
    if (u == 0x38C)
        return static_cast<wchar_t>(0x3CC);
    if (u == 0x38E || u == 0x38F)
        return static_cast<wchar_t>(u + 0x3F);
    if (u >= 0x391 && u <= 0x3AB && u != 0x3A2)
        return static_cast<wchar_t>(u + 0x20);
    if (u >= 0x400 && u <= 0x40F)
        return static_cast<wchar_t>(u + 0x50);
    if (u >= 0x410 && u <= 0x42F)
        return static_cast<wchar_t>(u + 0x20);
    if ((u >= 0x460 && u <= 0x481) || (u >= 0x48A && u <= 0x4BF))
        return static_cast<wchar_t>(u | 1);
    if (u >= 0x531 && u <= 0x556)
        return static_cast<wchar_t>(u + 0x30);
    if ((u >= 0x1E00 && u <= 0x1E95) || (u >= 0x1EA0 && u <= 0x1EFF))
        return static_cast<wchar_t>(u | 1);
    if (u >= 0xFF21 && u <= 0xFF3A)
        return static_cast<wchar_t>(u + 0x20);
    return c;
}

struct FoldedHash {
    using is_transparent = void;
    std::size_t operator()(std::wstring_view name) const noexcept {
        std::uint64_t hash = 14695981039346656037ull; // FNV-1a
        for (wchar_t c : name) {
            hash ^= static_cast<std::uint32_t>(FoldChar(c));
            hash *= 1099511628211ull;
        }
        return static_cast<std::size_t>(hash);
    }
};

struct FoldedEqual {
    using is_transparent = void;
    bool operator()(std::wstring_view a, std::wstring_view b) const noexcept {
        return EqualIgnoringCase(a, b);
    }
};

using NameIndex = std::unordered_map<std::wstring, std::size_t, FoldedHash, FoldedEqual>;

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\v' || c == L'\f';
}

std::wstring_view Trim(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A line break (CRLF, CR or LF) inside a name or value would split the line on the next
// read and could plant a forged key; each becomes one blank. NUL would end the text for
// any reader working with C strings, so it becomes a blank as well.
std::wstring OneLine(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\r') {
            if (i + 1 < text.size() && text[i + 1] == L'\n')
                ++i;
            out.push_back(L' ');
        } else if (c == L'\n' || c == L'\0') {
            out.push_back(L' ');
        } else {
            out.push_back(c);
        }
    }
    return out;
}

// One line of the file. Key lines remember where the key and the value sit in the text,
// so untouched lines are written back exactly as they were read.
struct Line {
    std::wstring text;
    std::uint32_t keyBegin = 0;
    std::uint32_t keyLength = 0;
    std::uint32_t valueBegin = 0;
    std::uint32_t valueLength = 0;
    bool isKey = false;

    std::wstring_view Key() const {
        return std::wstring_view(text).substr(keyBegin, keyLength);
    }
    std::wstring_view Value() const {
        return std::wstring_view(text).substr(valueBegin, valueLength);
    }
    bool IsBlankLine() const { return Trim(text).empty(); }
};

Line KeyLine(std::wstring_view key, std::wstring_view value) {
    Line line;
    line.text.reserve(key.size() + 1 + value.size());
    line.text.append(key).push_back(L'=');
    line.text.append(value);
    line.isKey = true;
    line.keyLength = static_cast<std::uint32_t>(key.size());
    line.valueBegin = line.keyLength + 1;
    line.valueLength = static_cast<std::uint32_t>(value.size());
    return line;
}

// A line inside a section: "key=value" with blanks around key and value ignored. A line
// without "=", with an empty key, or starting with ";" is kept but holds no key.
Line ParseEntry(std::wstring_view text) {
    Line line;
    line.text.assign(text);
    const std::wstring_view view(line.text);
    const std::size_t equals = view.find(L'=');
    if (equals == std::wstring_view::npos)
        return line;
    const std::wstring_view key = Trim(view.substr(0, equals));
    if (key.empty() || key.front() == L';')
        return line;
    const std::wstring_view value = Trim(view.substr(equals + 1));
    line.isKey = true;
    line.keyBegin = static_cast<std::uint32_t>(key.data() - view.data());
    line.keyLength = static_cast<std::uint32_t>(key.size());
    line.valueBegin = static_cast<std::uint32_t>(value.data() - view.data());
    line.valueLength = static_cast<std::uint32_t>(value.size());
    return line;
}

// "[name]" after optional blanks; a header cut short without "]" still opens the section.
bool ParseHeader(std::wstring_view text, std::wstring& name) {
    const std::wstring_view trimmed = Trim(text);
    if (trimmed.empty() || trimmed.front() != L'[')
        return false;
    std::wstring_view inner = trimmed.substr(1);
    if (const std::size_t close = inner.find(L']'); close != std::wstring_view::npos)
        inner = inner.substr(0, close);
    name.assign(Trim(inner));
    return true;
}

struct Section {
    std::wstring header; // the header line as it stands in the file
    std::wstring name;
    std::vector<Line> lines;
    NameIndex keys; // first line holding each key

    void IndexKeys() {
        keys.clear();
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].isKey)
                keys.try_emplace(std::wstring(lines[i].Key()), i);
    }
};

std::wstring DecodeFileText(std::string_view bytes, bool& byteOrderMark) {
    byteOrderMark = false;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        byteOrderMark = true;
        return WideFromUtf16Le(bytes.substr(2));
    }
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE &&
        static_cast<unsigned char>(bytes[1]) == 0xFF) {
        std::string swapped(bytes.substr(2));
        for (std::size_t i = 0; i + 1 < swapped.size(); i += 2)
            std::swap(swapped[i], swapped[i + 1]);
        return WideFromUtf16Le(swapped);
    }
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return WideFromUtf8(bytes.substr(3));
    return WideFromWindows1252(bytes);
}

} // namespace

struct ProfileFile::Impl {
    std::filesystem::path path;
    bool existed = false;
    bool byteOrderMark = false;
    std::vector<Line> preamble; // lines before the first section header
    std::vector<Section> sections;
    NameIndex sectionIndex; // first section of each name

    void Parse(std::wstring_view text) {
        Section* current = nullptr;
        std::wstring name;
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find_first_of(L"\r\n", start);
            const std::size_t lineEnd = (end == std::wstring_view::npos) ? text.size() : end;
            const std::wstring_view lineText = text.substr(start, lineEnd - start);
            if (end == std::wstring_view::npos)
                start = text.size();
            else
                start = end + ((text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n') ? 2 : 1);

            if (ParseHeader(lineText, name)) {
                Section& section = sections.emplace_back();
                section.header.assign(lineText);
                section.name = name;
                current = &section;
            } else if (current) {
                current->lines.push_back(ParseEntry(lineText));
            } else {
                preamble.push_back(Line{std::wstring(lineText)});
            }
        }
        for (auto& section : sections)
            section.IndexKeys();
        IndexSections();
    }

    void IndexSections() {
        sectionIndex.clear();
        for (std::size_t i = 0; i < sections.size(); ++i)
            sectionIndex.try_emplace(sections[i].name, i);
    }

    const Section* Find(std::wstring_view name) const {
        const auto it = sectionIndex.find(name);
        return it == sectionIndex.end() ? nullptr : &sections[it->second];
    }
    Section* Find(std::wstring_view name) {
        const auto it = sectionIndex.find(name);
        return it == sectionIndex.end() ? nullptr : &sections[it->second];
    }

    const Line* FindKey(std::wstring_view sectionName, std::wstring_view key) const {
        const Section* section = Find(sectionName);
        if (!section)
            return nullptr;
        const auto it = section->keys.find(key);
        return it == section->keys.end() ? nullptr : &section->lines[it->second];
    }
};

ProfileFile::ProfileFile() : impl_(std::make_unique<Impl>()) {}
ProfileFile::~ProfileFile() = default;
ProfileFile::ProfileFile(ProfileFile&&) noexcept = default;
ProfileFile& ProfileFile::operator=(ProfileFile&&) noexcept = default;
ProfileFile::ProfileFile(const ProfileFile& other) : impl_(std::make_unique<Impl>(other.impl())) {}
ProfileFile& ProfileFile::operator=(const ProfileFile& other) {
    if (this != &other)
        impl_ = std::make_unique<Impl>(other.impl());
    return *this;
}

// A moved-from profile behaves as an empty one.
ProfileFile::Impl& ProfileFile::impl() {
    if (!impl_)
        impl_ = std::make_unique<Impl>();
    return *impl_;
}

const ProfileFile::Impl& ProfileFile::impl() const {
    static const Impl kEmpty;
    return impl_ ? *impl_ : kEmpty;
}

ProfileFile ProfileFile::Open(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::error_code error;
    if (!in || std::filesystem::is_directory(file, error)) {
        ProfileFile profile;
        profile.impl().path = file;
        return profile;
    }
    std::string bytes;
    if (const auto size = std::filesystem::file_size(file, error); !error)
        bytes.reserve(static_cast<std::size_t>(size));
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    ProfileFile profile = FromBytes(bytes, file);
    profile.impl().existed = true;
    return profile;
}

ProfileFile ProfileFile::FromBytes(std::string_view bytes, const std::filesystem::path& file) {
    ProfileFile profile;
    Impl& impl = profile.impl();
    impl.path = file;
    impl.existed = true;
    impl.Parse(DecodeFileText(bytes, impl.byteOrderMark));
    return profile;
}

const std::filesystem::path& ProfileFile::path() const { return impl().path; }
bool ProfileFile::existed() const { return impl().existed; }
bool ProfileFile::hadByteOrderMark() const { return impl().byteOrderMark; }

std::wstring ProfileFile::GetString(std::wstring_view section, std::wstring_view key,
                                    std::wstring_view defaultValue) const {
    const Line* line = impl().FindKey(section, key);
    return std::wstring(line ? line->Value() : defaultValue);
}

int ProfileFile::GetInt(std::wstring_view section, std::wstring_view key, int defaultValue) const {
    const Line* line = impl().FindKey(section, key);
    if (!line || line->Value().empty())
        return defaultValue;
    return LeadingDecimal(line->Value());
}

bool ProfileFile::HasKey(std::wstring_view section, std::wstring_view key) const {
    return impl().FindKey(section, key) != nullptr;
}

bool ProfileFile::HasSection(std::wstring_view section) const {
    return impl().Find(section) != nullptr;
}

std::vector<std::wstring> ProfileFile::SectionNames() const {
    // A name that appears twice is listed once: reads only ever reach its first section.
    std::vector<std::wstring> names;
    const Impl& data = impl();
    for (std::size_t i = 0; i < data.sections.size(); ++i)
        if (data.sectionIndex.find(data.sections[i].name)->second == i)
            names.push_back(data.sections[i].name);
    return names;
}

std::vector<std::wstring> ProfileFile::KeyNames(std::wstring_view sectionName) const {
    std::vector<std::wstring> names;
    const Section* section = impl().Find(sectionName);
    if (!section)
        return names;
    for (std::size_t i = 0; i < section->lines.size(); ++i) {
        const Line& line = section->lines[i];
        if (line.isKey && section->keys.find(line.Key())->second == i)
            names.emplace_back(line.Key());
    }
    return names;
}

void ProfileFile::WriteString(std::wstring_view sectionName, std::wstring_view key,
                              std::wstring_view value) {
    Impl& data = impl();
    const std::wstring cleanValue = OneLine(value);
    Section* section = data.Find(sectionName);
    if (!section) {
        Section& added = data.sections.emplace_back();
        added.name = OneLine(sectionName);
        added.header = L"[" + added.name + L"]";
        data.sectionIndex.try_emplace(added.name, data.sections.size() - 1);
        section = &added;
    }
    if (const auto it = section->keys.find(key); it != section->keys.end()) {
        Line& line = section->lines[it->second];
        line = KeyLine(line.Key(), cleanValue); // the file's spelling of the key stays
        return;
    }
    // After the section's last non-blank line, so blank lines that separate it from the
    // next section stay where they are.
    std::size_t at = section->lines.size();
    while (at > 0 && section->lines[at - 1].IsBlankLine())
        --at;
    const std::wstring cleanKey = OneLine(Trim(key));
    section->lines.insert(section->lines.begin() + static_cast<std::ptrdiff_t>(at),
                          KeyLine(cleanKey, cleanValue));
    // Only blank lines follow the new one, so no indexed key moved.
    section->keys.try_emplace(cleanKey, at);
}

void ProfileFile::WriteInt(std::wstring_view section, std::wstring_view key, int value) {
    WriteString(section, key, std::to_wstring(value));
}

void ProfileFile::DeleteKey(std::wstring_view sectionName, std::wstring_view key) {
    Section* section = impl().Find(sectionName);
    if (!section)
        return;
    const auto it = section->keys.find(key);
    if (it == section->keys.end())
        return;
    section->lines.erase(section->lines.begin() + static_cast<std::ptrdiff_t>(it->second));
    section->IndexKeys(); // a later duplicate of the key, if any, becomes visible
}

void ProfileFile::DeleteSection(std::wstring_view sectionName) {
    // Every section of that name goes, so that rows rewritten after a delete cannot mix
    // with stale rows of a duplicate section.
    Impl& data = impl();
    const auto before = data.sections.size();
    std::erase_if(data.sections,
                  [&](const Section& section) { return EqualIgnoringCase(section.name, sectionName); });
    if (data.sections.size() != before)
        data.IndexSections();
}

std::string ProfileFile::Serialize() const {
    const Impl& data = impl();
    std::wstring text;
    auto put = [&text](std::wstring_view line) {
        text.append(line);
        text.append(L"\r\n");
    };
    for (const Line& line : data.preamble)
        put(line.text);
    for (const Section& section : data.sections) {
        put(section.header);
        for (const Line& line : section.lines)
            put(line.text);
    }
    std::string bytes("\xFF\xFE");
    bytes += Utf16LeFromWide(text);
    return bytes;
}

std::error_code ProfileFile::Save() const {
    if (impl().path.empty())
        return std::make_error_code(std::errc::invalid_argument);
    return WriteFileAtomically(impl().path, Serialize());
}

int LeadingDecimal(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && (IsBlank(text[i]) || text[i] == L'\r' || text[i] == L'\n'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) {
        negative = text[i] == L'-';
        ++i;
    }
    std::uint32_t value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i)
        value = value * 10u + static_cast<std::uint32_t>(text[i] - L'0');
    if (negative)
        value = 0u - value;
    return static_cast<int>(value); // two's complement since C++20
}

bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && FoldChar(a[i]) != FoldChar(b[i]))
            return false;
    return true;
}

} // namespace vessant::platform

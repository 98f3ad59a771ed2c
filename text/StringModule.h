#pragma once
// String resources: the program's built-in English texts, optionally overridden by a
// language module file ("Vessant3_0d.lng"). The file format is described in
// text/TRANSLATING.md.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vessant {

class StringModule {
public:
    // Parses a module file; nullopt when it cannot be read. Malformed lines are skipped.
    static std::optional<StringModule> Load(const std::filesystem::path& file);
    static StringModule Parse(const std::string& utf8Text);

    // nullptr when the module has no text for the id.
    const std::wstring* Find(int resourceId) const;
    std::size_t size() const { return texts_.size(); }

private:
    std::map<int, std::wstring> texts_;
};

// The string of a resource id from the current resource module; the built-in English
// text when the module lacks it; empty for an unknown id.
const std::wstring& ResourceString(int resourceId);

// The text a table reload takes for a resource id: the current module's string when a
// module is in use (empty when the module lacks it), otherwise the built-in English text
// (empty for an unknown id). The built-in text is read from its table as it stands, not
// through the cache of ResourceString: a reload copies every slot's text anyway.
std::wstring_view CurrentModuleText(int resourceId);

// Makes a module the current resource module; nullopt returns to the built-in texts.
void SetResourceModule(std::optional<StringModule> module);

} // namespace vessant

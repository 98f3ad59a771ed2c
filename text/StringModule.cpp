#include "StringModule.h"

#include "BuiltinStrings.h"
#include "platform/TextCodec.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <system_error>
#include <unordered_map>

namespace vessant {
namespace {

std::optional<StringModule> g_module;
std::unordered_map<int, std::wstring> g_builtinCache;
const std::wstring kEmpty;

std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out.push_back(text[i]);
            continue;
        }
        switch (text[++i]) {
        case 'n': out.push_back('\n'); break;
        case 't': out.push_back('\t'); break;
        case '\\': out.push_back('\\'); break;
        default: out.push_back('\\'); out.push_back(text[i]); break;
        }
    }
    return out;
}

} // namespace

StringModule StringModule::Parse(const std::string& utf8Text) {
    StringModule module;
    std::string_view rest(utf8Text);
    if (rest.starts_with("\xEF\xBB\xBF"))
        rest.remove_prefix(3);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = (end == std::string_view::npos) ? std::string_view() : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            continue;
        int id = 0;
        const auto idText = line.substr(0, tab);
        const auto [ptr, error] = std::from_chars(idText.data(), idText.data() + idText.size(), id);
        if (error != std::errc() || ptr != idText.data() + idText.size() || id <= 0)
            continue;
        module.texts_[id] = platform::WideFromUtf8(Unescape(line.substr(tab + 1)));
    }
    return module;
}

std::optional<StringModule> StringModule::Load(const std::filesystem::path& file) {
    // A folder opens like a file here but is no module.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return Parse(bytes.str());
}

const std::wstring* StringModule::Find(int resourceId) const {
    const auto it = texts_.find(resourceId);
    return it == texts_.end() ? nullptr : &it->second;
}

namespace {

const std::wstring* BuiltinText(int resourceId) {
    auto cached = g_builtinCache.find(resourceId);
    if (cached != g_builtinCache.end())
        return &cached->second;
    const wchar_t* builtin = BuiltinString(resourceId);
    if (!builtin)
        return nullptr;
    return &g_builtinCache.emplace(resourceId, builtin).first->second;
}

} // namespace

const std::wstring& ResourceString(int resourceId) {
    if (g_module) {
        if (const std::wstring* text = g_module->Find(resourceId))
            return *text;
    }
    const std::wstring* builtin = BuiltinText(resourceId);
    return builtin ? *builtin : kEmpty;
}

std::wstring_view CurrentModuleText(int resourceId) {
    if (g_module) {
        const std::wstring* text = g_module->Find(resourceId);
        return text ? std::wstring_view(*text) : std::wstring_view();
    }
    const wchar_t* builtin = BuiltinString(resourceId);
    return builtin ? std::wstring_view(builtin) : std::wstring_view();
}

void SetResourceModule(std::optional<StringModule> module) { g_module = std::move(module); }

} // namespace vessant

#include "Language.h"

#include "StringModule.h"
#include "TextTable.h"
#include "platform/Folders.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace vessant {
namespace {

LANGUAGE_STATE g_state;

struct LocaleLanguage {
    const char* prefix;
    std::uint16_t id;
};

// Primary language ids of the languages a module may exist for.
constexpr LocaleLanguage kLocaleLanguages[] = {
    {"ar", 1},  {"bg", 2},  {"ca", 3},  {"zh", 4},  {"cs", 5},  {"da", 6},  {"de", 7},
    {"el", 8},  {"en", 9},  {"es", 10}, {"fi", 11}, {"fr", 12}, {"he", 13}, {"iw", 13},
    {"hu", 14}, {"is", 15}, {"it", 16}, {"ja", 17}, {"ko", 18}, {"nl", 19}, {"nb", 20},
    {"no", 20}, {"pl", 21}, {"pt", 22}, {"ro", 24}, {"ru", 25}, {"hr", 26}, {"sk", 27},
    {"sv", 29}, {"tr", 31}, {"uk", 34}, {"yi", 61},
};

std::vector<std::filesystem::path> ModuleFolders() {
    std::vector<std::filesystem::path> folders;
    for (auto folder : {platform::ProgramFolder(), platform::InstalledDataFolder()}) {
        if (!folder.empty() && std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(std::move(folder));
    }
    return folders;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1; // upper-case digits name no module: LoadLanguage looks for lower case only
}

// The language id of a module file name "Vessant3_xx.lng"; 0 for any other name.
int LanguageOfModuleFileName(const std::string& name) {
    static constexpr std::string_view kPrefix = "Vessant3_";
    static constexpr std::string_view kSuffix = ".lng";
    if (name.size() != kPrefix.size() + 2 + kSuffix.size() || !name.starts_with(kPrefix) || !name.ends_with(kSuffix))
        return 0;
    const int high = HexDigit(name[kPrefix.size()]);
    const int low = HexDigit(name[kPrefix.size() + 1]);
    return (high < 0 || low < 0) ? 0 : high * 16 + low;
}

} // namespace

LANGUAGE_STATE& LanguageState() { return g_state; }

std::uint16_t LanguageIdOfLocale(const std::string& locale) {
    if (locale.size() < 2 || locale == "C" || locale.starts_with("C.") || locale == "POSIX")
        return 0;
    const std::string prefix = locale.substr(0, 2);
    if (locale.size() > 2 && locale[2] != '_' && locale[2] != '.' && locale[2] != '@' && locale[2] != '-')
        return 0;
    for (const auto& entry : kLocaleLanguages) {
        if (prefix == entry.prefix)
            return entry.id;
    }
    return 0;
}

void DetectSystemLanguage() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            g_state.systemLanguage = LanguageIdOfLocale(value);
            return;
        }
    }
    g_state.systemLanguage = 0;
}

std::wstring LanguageModuleFileName(int languageId) {
    char name[32];
    std::snprintf(name, sizeof name, "Vessant3_%.2x.lng", static_cast<unsigned>(languageId) & 0xFFFFu);
    return std::wstring(name, name + std::char_traits<char>::length(name));
}

int LoadLanguage(int languageId, const std::filesystem::path& moduleFolder) {
    if (languageId == 0)
        languageId = g_state.systemLanguage;
    std::optional<StringModule> module;
    if (languageId != kLanguageEnglish && languageId != 0) {
        const auto folders = moduleFolder.empty() ? ModuleFolders() : std::vector{moduleFolder};
        for (const auto& folder : folders) {
            module = StringModule::Load(folder / LanguageModuleFileName(languageId));
            if (module)
                break;
        }
    }
    if (module) {
        g_state.loadedLanguage = static_cast<std::uint16_t>(languageId);
    } else {
        // Choosing English after another language must also leave right-to-left layout,
        // and so must a failed switch: the texts in use are English either way.
        if (languageId == kLanguageEnglish || g_state.loadedLanguage != 0)
            g_state.loadedLanguage = kLanguageEnglish;
        languageId = kLanguageEnglish;
    }
    SetResourceModule(std::move(module));
    ReloadTextTable();
    return languageId;
}

std::vector<int> AvailableLanguages(const std::vector<std::filesystem::path>& folders) {
    std::vector<int> modules;
    for (const auto& folder : folders.empty() ? ModuleFolders() : folders) {
        std::error_code error;
        for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            const int id = LanguageOfModuleFileName(it->path().filename().string());
            std::error_code entryError; // one unreadable entry must not end the listing
            if (id != 0 && id != kLanguageEnglish && it->is_regular_file(entryError))
                modules.push_back(id);
        }
    }
    std::sort(modules.begin(), modules.end());
    modules.erase(std::unique(modules.begin(), modules.end()), modules.end());
    modules.insert(modules.begin(), kLanguageEnglish);
    return modules;
}

std::wstring MainWindowCaption(int loadedId) {
    std::wstring caption = Text(646);
    if (loadedId == kLanguageHebrew)
        caption.insert(caption.begin(), L'\u202A');
    return caption;
}

bool IsHebrewInterface() { return g_state.loadedLanguage == kLanguageHebrew; }

} // namespace vessant

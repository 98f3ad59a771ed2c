#include "Language.h"

#include "StringModule.h"
#include "TextTable.h"
#include "platform/Folders.h"

#include <cstdio>
#include <cstdlib>

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
        const auto folder = moduleFolder.empty() ? platform::ProgramFolder() : moduleFolder;
        module = StringModule::Load(folder / LanguageModuleFileName(languageId));
    }
    if (module) {
        g_state.loadedLanguage = static_cast<std::uint16_t>(languageId);
    } else if (languageId == kLanguageEnglish) {
        // Choosing English after another language must also leave right-to-left layout.
        g_state.loadedLanguage = kLanguageEnglish;
    } else {
        languageId = kLanguageEnglish;
    }
    SetResourceModule(std::move(module));
    ReloadTextTable();
    return languageId;
}

std::wstring MainWindowCaption(int loadedId) {
    std::wstring caption = Text(646);
    if (loadedId == kLanguageHebrew)
        caption.insert(caption.begin(), L'\u202A');
    return caption;
}

bool IsHebrewInterface() { return g_state.loadedLanguage == kLanguageHebrew; }

} // namespace vessant

#pragma once
// The interface language: which language module is loaded and loading another one.

#include <cstdint>
#include <filesystem>
#include <string>

namespace vessant {

inline constexpr int kLanguageEnglish = 9;
inline constexpr int kLanguageHebrew = 13;

struct LANGUAGE_STATE {
    std::uint16_t systemLanguage = 0; // primary language id of the desktop's language; 0 unknown
    std::uint16_t loadedLanguage = 0; // language of the last module loaded; 0 until one loads
    std::int32_t hebrewSupport = 1;   // Hebrew text can be shown
};

LANGUAGE_STATE& LanguageState();

// Primary language id of a locale name such as "he_IL.UTF-8" (13) or "en_US" (9); 0 when
// unknown.
std::uint16_t LanguageIdOfLocale(const std::string& locale);

// Fills systemLanguage from LC_ALL, LC_MESSAGES, LANG, in that order of precedence.
void DetectSystemLanguage();

// The file name of a language module, "Vessant3_0d.lng" for id 13.
std::wstring LanguageModuleFileName(int languageId);

// Chooses and loads the resource module for a language id (0 = the system language),
// then reloads the text table. Modules are looked for in moduleFolder (the program
// folder when empty). A missing or unreadable module leaves the built-in English texts
// and loadedLanguage unchanged. Returns the language whose texts are now in use.
int LoadLanguage(int languageId, const std::filesystem::path& moduleFolder = {});

// The main window caption after a load: slot 646, prefixed with U+202A in Hebrew.
std::wstring MainWindowCaption(int loadedId);

// True when the loaded language is Hebrew (right-to-left layout, Hebrew numerals).
bool IsHebrewInterface();

} // namespace vessant

#pragma once
// The interface language: which language module is loaded and loading another one.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

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
// then reloads the text table. Modules are looked for in moduleFolder, or, when it is
// empty, in the program folder and then the installed data folder. Choosing English sets
// loadedLanguage to 9. A missing or unreadable module leaves the built-in English texts
// and loadedLanguage unchanged, except that a language loaded earlier is no longer
// claimed (loadedLanguage becomes 9) since its texts were just replaced. Returns the
// language whose texts are now in use (9 after a fallback).
int LoadLanguage(int languageId, const std::filesystem::path& moduleFolder = {});

// The languages offered for choice: English (9) first, then the id of every module file
// "Vessant3_xx.lng" in the given folders (the module search folders when empty), in
// ascending order without repeats.
std::vector<int> AvailableLanguages(const std::vector<std::filesystem::path>& folders = {});

// The main window caption after a load: slot 646, prefixed with U+202A in Hebrew.
std::wstring MainWindowCaption(int loadedId);

// True when the loaded language is Hebrew (right-to-left layout, Hebrew numerals).
bool IsHebrewInterface();

} // namespace vessant

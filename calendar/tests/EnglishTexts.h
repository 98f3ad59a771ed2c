#pragma once
// Loads the built-in English texts once per test and restores the interface language
// a test switched to Hebrew.

#include "text/Language.h"

#include <gtest/gtest.h>

class EnglishTexts : public ::testing::Test {
protected:
    void SetUp() override { vessant::LoadLanguage(vessant::kLanguageEnglish); }
    void TearDown() override { vessant::LanguageState().loadedLanguage = vessant::kLanguageEnglish; }
    static void UseHebrewInterface() { vessant::LanguageState().loadedLanguage = vessant::kLanguageHebrew; }
};

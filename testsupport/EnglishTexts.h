#pragma once
// A fixture for tests of visible texts: loads the built-in English texts before each test
// and puts back the English interface a test switched to Hebrew.

#include "text/Language.h"

#include <gtest/gtest.h>

namespace vessant::testsupport {

class EnglishTexts : public ::testing::Test {
protected:
    void SetUp() override { LoadLanguage(kLanguageEnglish); }
    void TearDown() override { LanguageState().loadedLanguage = kLanguageEnglish; }
    // Hebrew forms (numerals, right-to-left texts) with the English texts still loaded.
    static void UseHebrewInterface() { LanguageState().loadedLanguage = kLanguageHebrew; }
};

} // namespace vessant::testsupport

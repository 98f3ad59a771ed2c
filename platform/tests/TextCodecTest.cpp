#include "platform/TextCodec.h"

#include <gtest/gtest.h>

using namespace vessant::platform;

TEST(TextCodec, RoundTripsHebrewAndAstralThroughUtf8AndUtf16) {
    const std::wstring text = L"ש\u05c1בת 15:00 \U0001F56F end";
    EXPECT_EQ(WideFromUtf8(Utf8FromWide(text)), text);
    const std::string utf16 = Utf16LeFromWide(text);
    EXPECT_EQ(utf16.size() % 2, 0u);
    EXPECT_EQ(WideFromUtf16Le(utf16), text);
    // The candle is outside the basic plane, so it takes a surrogate pair (4 bytes).
    EXPECT_EQ(utf16.size(), (text.size() + 1) * 2);
}

TEST(TextCodec, MalformedInputBecomesReplacementCharacters) {
    struct Case { std::string bytes; std::wstring expected; };
    const Case cases[] = {
        {"a\xff" "b", L"a\uFFFD" "b"},
        {"\xd7", L"\uFFFD"},              // truncated two-byte sequence
        {"\xc0\xaf", L"\uFFFD\uFFFD"},    // overlong encoding of '/'
        {"\xed\xa0\x80", L"\uFFFD\uFFFD\uFFFD"}, // encoded surrogate
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(WideFromUtf8(c.bytes), c.expected);
    }
    // A lone high surrogate and an odd trailing byte.
    EXPECT_EQ(WideFromUtf16Le(std::string("\x00\xd8" "A\x00" "Z", 5)), L"\uFFFDA");
}

TEST(TextCodec, Windows1252MapsTheHighControlsRange) {
    EXPECT_EQ(WideFromWindows1252("\x80\x93q\x94\xe9\x81"), L"\u20AC\u201Cq\u201D\u00E9\u0081");
}

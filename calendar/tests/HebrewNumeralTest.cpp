#include "calendar/HebrewNumeral.h"

#include <gtest/gtest.h>

using namespace vessant;

TEST(HebrewNumeral, ReadingOrder) {
    struct Case { int n; bool singleMark; const wchar_t* text; };
    const Case cases[] = {
        {5784, false, L"\u05D4'\u05EA\u05E9\u05E4\"\u05D3"},
        {5782, false, L"\u05D4'\u05EA\u05E9\u05E4\"\u05D1"},
        {5780, false, L"\u05D4'\u05EA\u05E9\"\u05E4"},
        {5760, false, L"\u05D4'\u05EA\u05E9\"\u05E1"},
        {5700, false, L"\u05D4'\u05EA\u05E9"},
        {5715, false, L"\u05D4'\u05EA\u05E9\u05D8\u05D5"},
        {5716, false, L"\u05D4'\u05EA\u05E9\u05D8\u05D6"},
        {5701, false, L"\u05D4'\u05EA\u05E9\"\u05D0"},
        {5001, false, L"\u05D4'\u05D0"},
        {5010, false, L"\u05D4'\u05D9"},
        {5100, false, L"\u05D4'\u05E7"},
        {5000, false, L"\u05D4'"},
        {15000, false, L"\u05D8\u05D5'"},
        {15, false, L"\u05D8\u05D5"},
        {16, false, L"\u05D8\u05D6"},
        {23, false, L"\u05DB\u05D2"},
        {30, false, L"\u05DC"},
        {100, false, L"\u05E7"},
        {101, false, L"\u05E7\u05D0"},
        {515, false, L"\u05EA\u05E7\u05D8\u05D5"},
        {999, false, L"\u05EA\u05EA\u05E7\u05E6\u05D8"},
        {1000, false, L"\u05EA\u05EA\u05E8"},
        {5, true, L"'\u05D4"},
        {23, true, L"\u05DB\u05D2"},
        {15, true, L"\u05D8\u05D5"},
        {0, false, L""},
        {-7, true, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.n << (c.singleMark ? " with mark" : ""));
        EXPECT_EQ(HebrewNumeral(c.n, c.singleMark), c.text);
    }
}

// Days of the month 1..30 as numerals: one or two letters, 15 and 16 in their special
// forms, never a mark.
TEST(HebrewNumeral, DaysOfTheMonth) {
    const wchar_t units[] = L"\u05D0\u05D1\u05D2\u05D3\u05D4\u05D5\u05D6\u05D7\u05D8";
    const wchar_t tens[] = L"\u05D9\u05DB\u05DC";
    for (int day = 1; day <= 30; ++day) {
        SCOPED_TRACE(day);
        std::wstring expected;
        if (day == 15)
            expected = L"\u05D8\u05D5";
        else if (day == 16)
            expected = L"\u05D8\u05D6";
        else {
            if (day / 10 > 0)
                expected += tens[day / 10 - 1];
            if (day % 10 > 0)
                expected += units[day % 10 - 1];
        }
        EXPECT_EQ(HebrewNumeral(day), expected);
    }
}

TEST(HebrewNumeral, LargeValuesStayInsideTheLetterTable) {
    for (int n : {1000000, 2147483647, 100000, 999999}) {
        SCOPED_TRACE(n);
        const std::wstring text = HebrewNumeral(n);
        EXPECT_FALSE(text.empty());
        for (wchar_t c : text)
            EXPECT_TRUE((c >= L'\u05D0' && c <= L'\u05EA') || c == L'\'' || c == L'"') << static_cast<int>(c);
    }
}

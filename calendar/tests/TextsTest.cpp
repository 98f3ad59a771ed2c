#include "calendar/CalendarTexts.h"
#include "calendar/ClockText.h"
#include "calendar/DateOperations.h"
#include "calendar/DateText.h"
#include "calendar/TextTemplate.h"

#include "testsupport/EnglishTexts.h"

#include <limits>

using namespace vessant;

using Texts = testsupport::EnglishTexts;

TEST(ClockText, Formats) {
    struct Case { int hour, minute, format; const wchar_t* text; const wchar_t* padded; };
    const Case cases[] = {
        {0, 5, 12, L"12:05a", L"12:05a"}, {11, 59, 12, L"11:59a", L"11:59a"}, {12, 0, 12, L"12:00p", L"12:00p"},
        {13, 7, 12, L"1:07p", L"01:07p"},  {7, 3, 24, L" 7:03", L"07:03"},     {23, 59, 24, L"23:59", L"23:59"},
        {0, 0, 24, L" 0:00", L"00:00"},    {7, 3, 0, L" 7:03", L"07:03"},      {1, 0, 12, L"1:00a", L"01:00a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hour << ":" << c.minute << " format " << c.format);
        EXPECT_EQ(FormatClockTime(c.hour, c.minute, c.format), c.text);
        EXPECT_EQ(FormatClockTimePadded(c.hour, c.minute, c.format), c.padded);
    }
    EXPECT_EQ(FormatDuration(1, 2, 3), L"1:02:03");
    EXPECT_EQ(FormatDuration(13, 45, 0), L"13:45:00");
}

// The clock texts are written without the template engine for speed; over any numbers,
// including those no clock shows, they read as the templates they stand for.
TEST(ClockText, WritesWhatTheTemplatesWould) {
    const int numbers[] = {0, 1, 9, 10, 11, 12, 13, 23, 24, 59, 60, 99, 100, 12345, -1, -5, -12, -13, -100,
                           std::numeric_limits<int>::max(), std::numeric_limits<int>::min()};
    ClockTextBuffer buffer;
    for (const int a : numbers) {
        for (const int b : numbers) {
            SCOPED_TRACE(testing::Message() << a << ", " << b);
            const int hour12 = a == 0 ? 12 : a > 12 ? a - 12 : a;
            const wchar_t* half = a < 12 ? L"a" : L"p";
            EXPECT_EQ(FormatClockTime(a, b, 24), FormatTemplate(L"%2d:%02d", {a, b}));
            EXPECT_EQ(FormatClockTime(a, b, 12), FormatTemplate(L"%d:%02d%s", {hour12, b, half}));
            EXPECT_EQ(WriteClockTimePadded(buffer, a, b, 24), FormatTemplate(L"%02d:%02d", {a, b}));
            EXPECT_EQ(FormatClockTimePadded(a, b, 12), FormatTemplate(L"%02d:%02d%s", {hour12, b, half}));
            EXPECT_EQ(WriteDuration(buffer, a, b, a), FormatTemplate(L"%d:%02d:%02d", {a, b, a}));
            EXPECT_EQ(FormatDuration(b, a, b), FormatTemplate(L"%d:%02d:%02d", {b, a, b}));
        }
    }
}

TEST_F(Texts, HebrewDates) {
    EXPECT_EQ(FormatHebrewDate(15, kNisan, 5784, false), L"15 Nissan 5784");
    EXPECT_EQ(FormatHebrewDate(15, kNisan, 5784), L"15 Nissan 5784");
    EXPECT_EQ(FormatHebrewDate(1, kAdarII, 5784, false), L"1 Adar II 5784");
    const std::wstring hebrew = L"\u05D8\u05D5 " + HebrewMonthName(kNisan) + L" \u05D4'\u05EA\u05E9\u05E4\"\u05D3";
    EXPECT_EQ(FormatHebrewDate(15, kNisan, 5784, true), hebrew);
    UseHebrewInterface();
    EXPECT_EQ(FormatHebrewDate(15, kNisan, 5784), hebrew);

    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    ASSERT_TRUE(SetHebrewDate(date, 5784, kNisan, 15));
    EXPECT_EQ(FormatHebrewDate(date), hebrew);
}

TEST_F(Texts, CivilDates) {
    EXPECT_EQ(FormatCivilDate(23, 4, 2024), L"23 April 2024");
    UseHebrewInterface();
    EXPECT_EQ(FormatCivilDate(23, 4, 2024), L"23 April 2024");

    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    ASSERT_EQ(SetDayNumber(date, 2361221), 0);
    EXPECT_EQ(FormatCivilDate(date), L"2 September 1752"); // as displayed, Julian
}

TEST_F(Texts, Names) {
    EXPECT_EQ(HebrewMonthName(kTishrei), L"Tishrei");
    EXPECT_EQ(HebrewMonthName(kAdar), L"Adar");
    EXPECT_EQ(CivilMonthName(12), L"December");
    EXPECT_EQ(WeekdayName(7), L"Shabbat");
    EXPECT_EQ(NightName(1), L"Saturday night");
    EXPECT_EQ(ShortWeekdayName(1), L"Su ");
    EXPECT_EQ(HebrewMonthName(15), L"");
    EXPECT_EQ(CivilMonthName(0), L"");
}

// Templates come from replaceable language files; a broken one must not misbehave.
TEST(TextTemplate, FillsOnlyWhatItCanTrust) {
    EXPECT_EQ(FormatTemplate(L"Year %d of cycle %d", {8, 305}), L"Year 8 of cycle 305");
    EXPECT_EQ(FormatTemplate(L"%s:", {L"word"}), L"word:");
    EXPECT_EQ(FormatTemplate(L"%2d|%02d|%d", {8, 305}), L" 8|305|"); // a missing argument is empty
    EXPECT_EQ(FormatTemplate(L"%s %d", {305, L"word"}), L"305 word");   // kinds swapped: written as is
    EXPECT_EQ(FormatTemplate(L"100%% %x %", {8}), L"100% %x %");        // unknown conversions are copied
    EXPECT_EQ(FormatTemplate(L"%02d", {-5}), L"-5");
    EXPECT_EQ(FormatTemplate(L"%03d", {-5}), L"-05");
    EXPECT_EQ(FormatTemplate(L"%999999999d", {7}).size(), 64u);         // width capped
}

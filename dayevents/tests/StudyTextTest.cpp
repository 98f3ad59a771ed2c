// The texts of the study programmes in the English and the Hebrew interface.

#include "dayevents/StudyText.h"

#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"
#include "testsupport/EnglishTexts.h"
#include "text/Language.h"

#include <gtest/gtest.h>

namespace vessant {
namespace {

using StudyText = testsupport::EnglishTexts;

std::int32_t Hebrew(int year, int month, int day) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    EXPECT_TRUE(SetHebrewDate(date, year, month, day));
    return date.dayNumber;
}

TEST_F(StudyText, ProgrammeTexts) {
    EXPECT_EQ(DafYomiText({1, 2}), L"Berachot 2");
    EXPECT_EQ(DafYomiText({36, 37}), L"Meilah, etc 37");
    EXPECT_EQ(YerushalmiYomiText({39, 13}), L"Nidah 13");
    EXPECT_EQ(YerushalmiYomiText({1, 68}), L"Berachot 68");
    EXPECT_EQ(MishnaYomitText({63, 3, 11}), L"Uktzin 3:11");
    EXPECT_EQ(HalachaYomitText({1, 696, 6}), L"Orach Chaim 696:6");
    EXPECT_EQ(HalachaYomitText({2, 220, 10}), L"Kitzur Shulchan Aruch 220:10");
    EXPECT_EQ(TanachYomiText({1, 1, 0}), L"Yehoshua Seder 1");
    EXPECT_EQ(TanachYomiText({14, 0, 1}), L"Eicha");
    EXPECT_EQ(TanachYomiText({20, 25, 3}), L"Divrei Hayamim Seder 25");
    // Nothing for the day: no text, also for numbers out of range.
    EXPECT_EQ(DafYomiText({0, 0}), L"");
    EXPECT_EQ(DafYomiText({38, 2}), L"");
    EXPECT_EQ(YerushalmiYomiText({0, 0}), L"");
    EXPECT_EQ(MishnaYomitText({0, 0, 0}), L"");
    EXPECT_EQ(HalachaYomitText({3, 1, 1}), L"");
    EXPECT_EQ(TanachYomiText({0, 0, 0}), L"");
    EXPECT_EQ(LabelledStudyText(kDafYomiLabel, L""), L"");
}

TEST_F(StudyText, LinesOfADay) {
    struct Line {
        StudyProgramme programme;
        std::int32_t jdn;
        const wchar_t* text;
    };
    const Line lines[] = {
        {StudyProgramme::DafYomi, CivilToDayNumber(2020, 1, 8, false), L"Daf yomi: Berachot 5"},
        {StudyProgramme::DafYomi, kDafYomiFirstDay - 1, L""},
        {StudyProgramme::YerushalmiYomi, kYerushalmiYomiFirstDay, L"Yerushalmi yomi: Berachot 1"},
        {StudyProgramme::YerushalmiYomi, Hebrew(5785, kTishrei, 10), L""},
        {StudyProgramme::MishnaYomit, kMishnaYomitFirstDay + 3, L"Mishna yomit: Berachot 1:5"},
        {StudyProgramme::HalachaYomit, kHalachaYomitFirstDay + 1, L"Halacha yomit: Orach Chaim 1:1"},
        {StudyProgramme::HalachaYomit, kHalachaYomitFirstDay + 1390, L"Halacha yomit: Kitzur Shulchan Aruch 11:1"},
        {StudyProgramme::TanachYomi, Hebrew(5767, kTishrei, 23), L"Tanach yomi: Yehoshua Seder 1"},
        {StudyProgramme::TanachYomi, Hebrew(5785, kTishrei, 24), L""}, // Shabbat
    };
    for (const Line& line : lines) {
        EXPECT_EQ(StudyLine(line.programme, line.jdn), line.text) << line.jdn;
    }
}

struct SederCase {
    int book;
    int seder;
    int variant;
    const wchar_t* english;
    const wchar_t* hebrew;
};

TEST_F(StudyText, SederTexts) {
    const SederCase cases[] = {
        {1, 3, 0, L"3", L"\u05D2"},
        {1, 0, 0, L"", L""},
        {9, 8, 0, L"8", L"\u05D7"},
        {9, 9, 0, L"9 & 10", L"\u05D8 & \u05D9"},   // Tehillim, variant 0
        {9, 10, 0, L"11", L"\u05D9\u05D0"},
        {9, 14, 0, L"15", L"\u05D8\u05D5"},
        {9, 9, 1, L"9", L"\u05D8"},
        {6, 8, 4, L"8", L"\u05D7"},
        {6, 9, 4, L"a9", L"\u05D81"},               // Yirmiyahu, variants 4 and 5
        {6, 10, 4, L"b9", L"\u05D82"},
        {6, 11, 4, L"10", L"\u05D9"},
        {6, 10, 5, L"b9", L"\u05D82"},
        {6, 32, 5, L"31", L"\u05DC\u05D0"},
        {6, 10, 3, L"10", L"\u05D9"},
        {1, 4, 5, L"a4", L"\u05D31"},               // Yehoshua, variant 5
        {1, 5, 5, L"b4", L"\u05D32"},
        {1, 15, 5, L"14", L"\u05D9\u05D3"},
        {1, 5, 4, L"5", L"\u05D4"},
    };
    for (const SederCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "book " << c.book << " seder " << c.seder << " variant " << c.variant);
        EXPECT_EQ(TanachSederText(c.book, c.seder, c.variant), c.english);
    }
    UseHebrewInterface();
    for (const SederCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "book " << c.book << " seder " << c.seder << " variant " << c.variant);
        EXPECT_EQ(TanachSederText(c.book, c.seder, c.variant), c.hebrew);
    }
}

TEST_F(StudyText, HebrewInterfaceShowsNumerals) {
    UseHebrewInterface();
    EXPECT_EQ(DafYomiText({1, 2}), L"Berachot \u05D1");
    EXPECT_EQ(DafYomiText({23, 176}), L"Bava Batra \u05E7\u05E2\u05D5");
    EXPECT_EQ(YerushalmiYomiText({12, 15}), L"Shabbat \u05D8\u05D5");
    EXPECT_EQ(MishnaYomitText({1, 1, 5}), L"Berachot \u05D0:\u05D4");
    EXPECT_EQ(HalachaYomitText({1, 696, 6}), L"Orach Chaim \u05EA\u05E8\u05E6\u05D5:\u05D5");
    EXPECT_EQ(TanachYomiText({6, 9, 5}), L"Yirmiyahu Seder \u05D81");
    EXPECT_EQ(StudyLine(StudyProgramme::DafYomi, CivilToDayNumber(2020, 1, 8, false)), L"Daf yomi: Berachot \u05D4");
}

} // namespace
} // namespace vessant

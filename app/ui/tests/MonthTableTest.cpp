// The month table's model: which day lands in which cell, today and the selection, the
// lines of a cell and their limit, the times that go with holidays, and the sizes.

#include "app/ui/MonthScreen.h"
#include "app/ui/tests/QtTestApp.h"
#include "dayview/tests/TestDays.h"

#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"
#include "calendar/HebrewNumeral.h"
#include "dayevents/DayEvents.h"
#include "app/ui/UiText.h"
#include "locations/LocationList.h"
#include "platform/Clock.h"
#include "text/Language.h"
#include "userdata/EventList.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace vessant::ui {
namespace {

using testsupport::Civil;
using testsupport::Hebrew;
using testsupport::Jerusalem;
using testsupport::NewYork;

class MonthTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::TestApplication();
        LoadLanguage(kLanguageEnglish);
        SetEventsFolder(std::filesystem::path(dir_.path().toStdString()));
        UserEvents().Clear();
        options_ = DefaultOptions();
        table_.SetOptions(&options_);
        table_.SetLocation(Jerusalem());
        SetClock(2026, 12, 11, 12, 0);
    }
    void TearDown() override {
        platform::SetNowProvider({});
        UserEvents().Clear();
    }
    void SetClock(int y, int m, int d, int hour, int minute) {
        platform::SetNowProvider([=] { return platform::LOCAL_TIME{y, m, d, hour, minute, 0, 0}; });
    }
    void Show(int mode, const DATE_STRUCT& date) {
        table_.SetMode(mode);
        table_.SetSelectedDate(date);
        table_.Refresh();
    }
    // The cell that holds a day number, 0 when none.
    int CellOf(std::int32_t jdn) const {
        for (int n = 1; n <= kGridCells; ++n)
            if (table_.Cell(n).civilDay != 0 && table_.Cell(n).date.dayNumber == jdn)
                return n;
        return 0;
    }
    QStringList Lines(int n) const {
        QStringList texts;
        for (const CELL_LINE& line : table_.Cell(n).lines)
            if (line.timeRow < 0)
                texts << line.text;
        return texts;
    }
    QStringList Times(int n) const {
        QStringList texts;
        for (const CELL_LINE& line : table_.Cell(n).lines)
            if (line.timeRow >= 0)
                texts << QStringLiteral("%1@%2").arg(line.text.trimmed()).arg(line.timeRow);
        return texts;
    }

    QTemporaryDir dir_;
    OPTIONS_STRUCT options_;
    CMonthScreen table_;
};

TEST(ShadeTest, MovesAllChannelsAlikeWithinRange) {
    struct Case {
        int k;
        std::uint32_t colour, expected;
    };
    constexpr Case kCases[] = {
        {-15, 0xC4C4FF, 0xB5B5F0},  // darker: every channel down 15
        {-15, 0x000A40, 0x000A40},  // a channel at 0 stops the shift
        {-15, 0x0508FF, 0x0003FA},  // the lowest channel limits the shift to 5
        {20, 0xF0F0F0, 0xFFFFFF},   // lighter, limited by 255 - 240
        {20, 0x101010, 0x242424},
        {0, 0x123456, 0x123456},
        {256, 0x123456, 0},         // out of range: black
        {-256, 0x123456, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.k);
        EXPECT_EQ(Shade(c.k, c.colour), c.expected);
    }
}

TEST_F(MonthTableTest, CivilMonthFillsFromItsFirstWeekday) {
    // March 2025: 31 days from a Shabbat fill cells 7 to 37; days 30 and 31 in row 6.
    Show(kModeCivil, Civil(2025, 3, 10));
    EXPECT_EQ(table_.MonthLength(), 31);
    EXPECT_EQ(table_.Cell(6).civilDay, 0);
    EXPECT_EQ(table_.Cell(7).civilDay, 1);
    EXPECT_EQ(table_.Cell(7).weekday, 7);
    EXPECT_EQ(table_.Cell(36).civilDay, 30);
    EXPECT_EQ(table_.Cell(37).civilDay, 31);
    EXPECT_EQ(table_.Cell(37).row, 6);
    EXPECT_EQ(table_.Cell(38).civilDay, 0);
    EXPECT_EQ(table_.Cell(16).civilDayText, QStringLiteral("10"));
    EXPECT_EQ(table_.Cell(16).hebrewDayText, QStringLiteral("10")); // 10 Adar 5785
    EXPECT_EQ(table_.SelectedCell(), 16);
    EXPECT_EQ(table_.TitleBand().monthName, QStringLiteral("March"));
    EXPECT_EQ(table_.TitleBand().otherMonths, QStringLiteral("Adar-Nissan"));
}

TEST_F(MonthTableTest, HebrewMonthRunsRightToLeft) {
    // 1 Nisan 5784 is a Tuesday: position 2, the third cell from the right of row 1.
    Show(kModeHebrew, Hebrew(5784, kNisan, 15));
    EXPECT_EQ(table_.MonthLength(), 30);
    EXPECT_EQ(table_.Cell(5).date.hebDay, 1);
    EXPECT_EQ(table_.Cell(5).weekday, 3);
    EXPECT_EQ(table_.Cell(1).date.hebDay, 5);   // Shabbat, leftmost
    EXPECT_EQ(table_.Cell(1).weekday, 7);
    EXPECT_EQ(table_.Cell(14).date.hebDay, 6);  // Sunday, rightmost of row 2
    EXPECT_EQ(table_.TitleBand().otherMonths, QStringLiteral("April-May"));
    EXPECT_FALSE(table_.MoladLines().empty());
    EXPECT_EQ(table_.MoladLines()[1], QStringLiteral("Monday night"));

    // A 30-day month whose 1st is a Shabbat ends in the rightmost cell of row 6, clear of
    // the zmanim box (columns 1 to 5) and the molad box (column 6).
    bool found = false;
    for (int year = 5780; year < 5800 && !found; ++year) {
        for (int month = 1; month <= 14 && !found; ++month) {
            DATE_STRUCT first;
            SetTransition(first, 1);
            if (!SetHebrewDate(first, year, month, 1) || Weekday(first) != 7 ||
                HebrewMonthLength(month, year) != 30)
                continue;
            found = true;
            SCOPED_TRACE(year * 100 + month);
            Show(kModeHebrew, first);
            EXPECT_EQ(table_.Cell(1).date.hebDay, 1); // Shabbat is the leftmost column
            EXPECT_EQ(table_.Cell(42).date.hebDay, 30);
            for (int n = 36; n <= 41; ++n)
                EXPECT_EQ(table_.Cell(n).civilDay, 0) << n;
        }
    }
    EXPECT_TRUE(found);
}

TEST_F(MonthTableTest, TransitionMonthIsShort) {
    options_.gregorianTransition = 2; // 4 October 1582 was followed by the 15th
    table_.SetGregorianTransition(2);
    Show(kModeCivil, Civil(1582, 10, 1, 2));
    EXPECT_EQ(table_.MonthLength(), 21);
    const int fourth = CellOf(Civil(1582, 10, 4, 2).dayNumber);
    ASSERT_GT(fourth, 0);
    EXPECT_EQ(table_.Cell(fourth + 1).civilDay, 15);
}

TEST_F(MonthTableTest, TodayWinsOverSelectionAndMovesAtNightfallInTheHebrewMonth) {
    SetClock(2024, 4, 15, 12, 0);
    Show(kModeCivil, Civil(2024, 4, 15));
    EXPECT_EQ(table_.SelectedCell(), 0);
    EXPECT_EQ(table_.TodayCell(), CellOf(Civil(2024, 4, 15).dayNumber));

    // 21:00 in Jerusalem is after nightfall: the Hebrew month marks the next civil day,
    // the civil month stays on the local date until midnight.
    SetClock(2024, 4, 15, 21, 0);
    Show(kModeHebrew, Hebrew(5784, kNisan, 1));
    EXPECT_EQ(table_.Today().dayNumber, Civil(2024, 4, 16).dayNumber);
    EXPECT_EQ(table_.TodayCell(), CellOf(Civil(2024, 4, 16).dayNumber));
    Show(kModeCivil, Civil(2024, 4, 1));
    EXPECT_EQ(table_.TodayCell(), CellOf(Civil(2024, 4, 15).dayNumber));
}

TEST_F(MonthTableTest, CellsCarryShabbatHolidayAndOmerLines) {
    Show(kModeCivil, Civil(2024, 4, 1));
    // Shabbat 6 April 2024: candle lighting and havdalah on one line, then the portion
    // and the special Shabbat.
    const int shabbat = CellOf(Civil(2024, 4, 6).dayNumber);
    ASSERT_EQ(Times(shabbat).size(), 1);
    EXPECT_TRUE(Times(shabbat)[0].contains(QLatin1Char('-')));
    EXPECT_TRUE(Times(shabbat)[0].endsWith(QStringLiteral("@0")));
    EXPECT_EQ(Lines(shabbat).value(0), QStringLiteral("Shemini"));
    EXPECT_EQ(Lines(shabbat).value(1), QStringLiteral("Parshat Hachodesh"));
    // Pesach (23 April 2024, a Tuesday): candle lighting and havdalah.
    const int pesach = CellOf(Civil(2024, 4, 23).dayNumber);
    EXPECT_EQ(Lines(pesach), QStringList{QStringLiteral("Pesach")});
    ASSERT_EQ(Times(pesach).size(), 1);
    EXPECT_TRUE(Times(pesach)[0].contains(QLatin1Char('-')));
    EXPECT_TRUE(Lines(CellOf(Civil(2024, 4, 24).dayNumber)).contains(QStringLiteral("Day 1 of the Omer")));
    // Shabbat Chol Hamoed (27 April): the festival times go one line lower.
    const QStringList sat = Times(CellOf(Civil(2024, 4, 27).dayNumber));
    EXPECT_TRUE(sat.value(0).endsWith(QStringLiteral("@0")));

    // With "Zmanim Lines" 2 the Shabbat times take two lines.
    options_.zmanimLines = 2;
    table_.Refresh();
    EXPECT_EQ(Times(shabbat).size(), 2);

    // Without "Parshiot" the Shabbat section is gone.
    options_.showParshiot = 0;
    table_.Refresh();
    EXPECT_TRUE(Times(shabbat).isEmpty());
    EXPECT_FALSE(Lines(shabbat).contains(QStringLiteral("Shemini")));
}

TEST_F(MonthTableTest, HebrewInterfaceWritesHebrewNumerals) {
    LanguageState().loadedLanguage = kLanguageHebrew;
    Show(kModeHebrew, Hebrew(5784, kNisan, 15));
    const int pesach = CellOf(Hebrew(5784, kNisan, 15).dayNumber);
    EXPECT_EQ(table_.Cell(pesach).hebrewDayText, Q(HebrewNumeral(15)));
    EXPECT_EQ(table_.Cell(pesach).civilDayText, QStringLiteral("23"));
    EXPECT_TRUE(Lines(CellOf(Hebrew(5784, kNisan, 16).dayNumber)).contains(Q(OmerText(1)).replace(QStringLiteral("1"), Q(HebrewNumeral(1)))));
    EXPECT_EQ(table_.TitleBand().hebrewYear, Q(HebrewNumeral(5784)));
    EXPECT_TRUE(table_.ZmanimBox().date.startsWith(QChar(0x202A) + QStringLiteral("23") + QChar(0x202E)));
    LanguageState().loadedLanguage = kLanguageEnglish;
}

TEST_F(MonthTableTest, DaylightSavingChangeIsNamed) {
    Show(kModeCivil, Civil(2024, 3, 1));
    // Israel's clocks went forward on Friday 29 March 2024.
    EXPECT_TRUE(Lines(CellOf(Civil(2024, 3, 29).dayNumber)).contains(QStringLiteral("DST begins")));
    EXPECT_FALSE(Lines(CellOf(Civil(2024, 3, 28).dayNumber)).contains(QStringLiteral("DST begins")));
}

TEST_F(MonthTableTest, UserEventsAndStudyPortionsStopAtFiveLines) {
    const DATE_STRUCT day = Civil(2024, 4, 9); // a Tuesday; Rosh Chodesh Nisan
    ASSERT_FALSE(AddUserEvent(L"Dinner", L"", day.dayNumber, kEventCalendarCivil, kEventOneTime));
    ASSERT_FALSE(AddUserEvent(L"Meeting", L"", day.dayNumber, kEventCalendarCivil, kEventOneTime));
    ASSERT_FALSE(AddUserEvent(L"Call", L"", day.dayNumber, kEventCalendarCivil, kEventOneTime));
    options_.dafYomi = options_.mishnaYomit = options_.halachaYomit = 1;
    options_.yerushalmiYomi = options_.tanachYomi = 1;
    Show(kModeCivil, Civil(2024, 4, 1));
    auto limud = [this](int n) {
        int count = 0;
        for (const CELL_LINE& line : table_.Cell(n).lines)
            count += line.timeRow < 0 && line.colour == kColourLimud;
        return count;
    };
    const int cell = CellOf(day.dayNumber);
    // Rosh Chodesh, the three events by title, then one study line makes five.
    const QStringList lines = Lines(cell);
    ASSERT_EQ(lines.size(), 5) << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("Rosh Chodesh"));
    EXPECT_EQ(lines[1], QStringLiteral("Call "));
    EXPECT_EQ(lines[2], QStringLiteral("Dinner "));
    EXPECT_EQ(lines[3], QStringLiteral("Meeting "));
    EXPECT_EQ(limud(cell), 1);

    // Without the events, study portions fill the lines up to five.
    UserEvents().Clear();
    table_.Refresh();
    EXPECT_EQ(Lines(cell).size(), 5);
    EXPECT_EQ(limud(cell), 4);
    // A day without a holiday shows all five study portions.
    const int plain = CellOf(Civil(2024, 4, 16).dayNumber);
    EXPECT_EQ(limud(plain), 5) << Lines(plain).join(QLatin1Char('|')).toStdString();
}

// A holiday's times go to the top of the cell, below the Shabbat times on Shabbat; a
// cell has no room for the times of the first-born's fast.
TEST_F(MonthTableTest, HolidayTimesSitAtTheTopOfTheCell) {
    table_.SetLocation(NewYork());
    Show(kModeCivil, Civil(2023, 5, 27)); // Shabbat 7 Sivan 5783: Shavuot 2 abroad
    const QStringList shabbat = Times(CellOf(Civil(2023, 5, 27).dayNumber));
    ASSERT_EQ(shabbat.size(), 2) << shabbat.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(shabbat[0].endsWith(QStringLiteral("@0")));
    EXPECT_TRUE(shabbat[1].endsWith(QStringLiteral("@1")));
    EXPECT_TRUE(shabbat[1].contains(QLatin1Char('-'))) << "candle lighting and havdalah";
    // Friday 26 May, the first day: its candle lighting alone, Shabbat follows.
    const QStringList friday = Times(CellOf(Civil(2023, 5, 26).dayNumber));
    ASSERT_EQ(friday.size(), 1);
    EXPECT_FALSE(friday[0].contains(QLatin1Char('-')));
    EXPECT_TRUE(friday[0].endsWith(QStringLiteral("@0")));

    table_.SetLocation(Jerusalem());
    Show(kModeCivil, Civil(2025, 4, 10)); // Thursday 12 Nisan 5785: the first-born's fast
    const int fast = CellOf(Civil(2025, 4, 10).dayNumber);
    EXPECT_TRUE(Lines(fast).contains(QStringLiteral("Fast of first born")));
    EXPECT_TRUE(Times(fast).isEmpty());
}

TEST_F(MonthTableTest, HitSelectAndHoverRefuseBadCells) {
    table_.SizeTo(1022, 644);
    Show(kModeCivil, Civil(2024, 4, 10));
    const MONTH_CELL& cell = table_.Cell(CellOf(Civil(2024, 4, 18).dayNumber));
    const int n = table_.HitTest((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    EXPECT_EQ(table_.Cell(n).date.dayNumber, Civil(2024, 4, 18).dayNumber);
    EXPECT_EQ(table_.HitTest(5, 5), -1);                             // the title band
    EXPECT_EQ(table_.HitTest(table_.Cell(1).left + 3, table_.Cell(1).top + 3), -1); // no date
    EXPECT_EQ(table_.SelectCell(n, 1), 1);
    EXPECT_EQ(table_.SelectedDate().dayNumber, Civil(2024, 4, 18).dayNumber);
    EXPECT_EQ(table_.ZmanimBox().weekday, QStringLiteral("Thursday"));
    EXPECT_EQ(table_.ZmanimBox().date, QStringLiteral("Apr 18, 2024"));
    EXPECT_EQ(table_.SelectCell(44, 1), 0);
    EXPECT_EQ(table_.SelectedCell(), n);
    EXPECT_EQ(table_.SetHover(44), 0);
    EXPECT_EQ(table_.SetHover(n), 1);
    EXPECT_EQ(table_.GetHoverDate().dayNumber, Civil(2024, 4, 18).dayNumber);
}

TEST_F(MonthTableTest, SizesFollowTheWindow) {
    table_.SizeTo(1024, 640); // width down to 1022, height up to 644
    EXPECT_EQ(table_.Width(), 1022);
    EXPECT_EQ(table_.GetCellWidth(), 146);
    EXPECT_EQ(table_.GetTitleHeight(), 46);
    EXPECT_EQ(table_.GetGridTop(), 80);
    EXPECT_EQ(table_.GetCellHeight(), 94);
    EXPECT_EQ(table_.GetDayLineHeight(), 20);
    EXPECT_EQ(table_.GetLineHeight(), 13);
    // a = 13 - 5 = 8 with "Size" 2: A 75..105, B 65..95, C 80..130.
    EXPECT_EQ(table_.FontSizeTenths(kFontCivilDay), 99);
    EXPECT_EQ(table_.FontSizeTenths(kFontLines), 89);
    EXPECT_EQ(table_.FontSizeTenths(kFontTitleMonth), 120);
    EXPECT_EQ(table_.FontSizeTenths(kFontTimes), 89);
    EXPECT_GT(table_.Font10PixelHeight(), 0);
    const std::array<int, 14> expected = {17, 113, 255, 990, 894, 732, 37, 133, 295, 980, 914, 884, 772, 722};
    EXPECT_EQ(table_.TitleLayout(), expected);

    // The Hebrew interface raises the ranges and adds 2 to the scale.
    LanguageState().loadedLanguage = kLanguageHebrew;
    table_.SizeTo(1024, 640);
    EXPECT_EQ(table_.FontSizeTenths(kFontCivilDay), 113); // 83 + 10 * 30 / 10
    EXPECT_EQ(table_.FontSizeTenths(kFontTimes), 88);     // T: 58 + 10 * 30 / 10
    LanguageState().loadedLanguage = kLanguageEnglish;

    options_.fontSize = 1;
    table_.SizeTo(1024, 640);
    EXPECT_EQ(table_.FontSizeTenths(kFontCivilDay), 115); // 95 + 8 * 25 / 10
}

} // namespace
} // namespace vessant::ui

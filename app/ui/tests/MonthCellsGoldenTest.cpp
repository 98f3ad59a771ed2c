// Every text the month table holds for a few months, kept byte for byte: the cell lines
// with their colours, fonts and places, the zmanim box and the title band, in both month
// forms, both clock formats, Israel and the Diaspora, with the user's events, all five
// study programmes and the Hebrew interface.

#include "app/ui/MonthScreen.h"
#include "app/ui/tests/QtTestApp.h"
#include "dayview/tests/TestDays.h"

#include "calendar/DateOperations.h"
#include "platform/Clock.h"
#include "testsupport/Golden.h"
#include "text/Language.h"
#include "userdata/EventList.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <string>

namespace vessant::ui {
namespace {

using testsupport::Civil;
using testsupport::Hebrew;

std::string Dump(const CMonthTable& table) {
    std::string out;
    for (int n = 1; n <= kGridCells; ++n) {
        const MONTH_CELL& cell = table.Cell(n);
        if (cell.civilDay == 0)
            continue;
        out += "cell " + std::to_string(n) + " " + std::to_string(cell.date.dayNumber) + " " +
               cell.civilDayText.toStdString() + "/" + cell.hebrewDayText.toStdString() +
               (cell.isToday ? " today" : "") + "\n";
        for (const CELL_LINE& line : cell.lines) {
            out += line.timeRow >= 0 ? "  time " + std::to_string(line.timeRow) : "  line " + std::to_string(line.line);
            out += " c" + std::to_string(line.colour) + " f" + std::to_string(line.font) + " " +
                   line.text.toStdString() + "\n";
        }
    }
    const ZMANIM_BOX& box = table.ZmanimBox();
    out += "box " + box.title.toStdString() + " | " + box.weekday.toStdString() + " | " + box.date.toStdString() + "\n";
    for (std::size_t i = 0; i < box.labels.size(); ++i)
        out += "  " + box.labels[i].toStdString() + " = " + box.times[i].toStdString() + "\n";
    const TITLE_BAND& t = table.TitleBand();
    out += "title " + t.monthName.toStdString() + " | " + t.otherMonths.toStdString() + " | " +
           t.civilDay.toStdString() + " " + t.civilMonth.toStdString() + " " + t.civilYear.toStdString() + " | " +
           t.hebrewDay.toStdString() + " " + t.hebrewMonth.toStdString() + " " + t.hebrewYear.toStdString() + "\n";
    for (const QString& line : table.MoladLines())
        out += "molad " + line.toStdString() + "\n";
    return out;
}

class MonthCellsGolden : public ::testing::Test {
protected:
    void SetUp() override {
        testing::TestApplication();
        LoadLanguage(kLanguageEnglish);
        SetEventsFolder(std::filesystem::path(dir_.path().toStdString()));
        UserEvents().Clear();
        platform::SetNowProvider([] { return platform::LOCAL_TIME{2024, 4, 22, 12, 0, 0, 0}; });
        struct EVENT {
            const wchar_t* title;
            DATE_STRUCT day;
            int cal, type;
        };
        const EVENT kEvents[] = {
            {L"Dina", Civil(2011, 4, 18), kEventCalendarBoth, kEventBirthdayFemale},
            {L"Grandfather", Civil(1990, 4, 9), kEventCalendarHebrew, kEventYahrzeitAshkenazi},
            {L"Aunt", Civil(1990, 4, 9), kEventCalendarCivil, kEventYahrzeitMizrach},
            {L"Wedding", Civil(2000, 4, 22), kEventCalendarCivil, kEventAnniversary},
            {L"Eli", Civil(2024, 4, 22), kEventCalendarBoth, kEventBirthdayMale},
            {L"Dentist", Civil(2024, 4, 22), kEventCalendarCivil, kEventOneTime},
            {L"Moshe", Civil(2011, 4, 30), kEventCalendarHebrew, kEventBirthdayMale},
            {L"Bar", Civil(2011, 8, 6), kEventCalendarHebrew, kEventBirthdayMale},
        };
        for (const EVENT& e : kEvents)
            ASSERT_FALSE(AddUserEvent(e.title, L"", e.day.dayNumber, e.cal, e.type));
    }
    void TearDown() override {
        platform::SetNowProvider({});
        UserEvents().Clear();
        LanguageState().loadedLanguage = kLanguageEnglish;
    }
    std::string Month(int mode, const DATE_STRUCT& date, const LOC_STRUCT& where) {
        table_.SetOptions(&options_);
        table_.SetLocation(where);
        table_.SetMode(mode);
        table_.SetSelectedDate(date);
        table_.Refresh();
        return Dump(table_);
    }

    QTemporaryDir dir_;
    OPTIONS_STRUCT options_ = DefaultOptions();
    CMonthScreen table_;
};

TEST_F(MonthCellsGolden, MonthsStayByteForByte) {
    const LOC_STRUCT jerusalem = testsupport::Jerusalem();
    const LOC_STRUCT newYork = testsupport::NewYork();
    std::string out;
    out += "== April 2024, Jerusalem, defaults\n" + Month(kModeCivil, Civil(2024, 4, 22), jerusalem);
    options_.dafYomi = options_.mishnaYomit = options_.halachaYomit = 1;
    options_.yerushalmiYomi = options_.tanachYomi = 1;
    out += "== April 2024, New York, all study\n" + Month(kModeCivil, Civil(2024, 4, 22), newYork);
    options_.zmanimLines = 2;
    options_.clockFormat = 24;
    out += "== Av 5784, New York, two time lines, 24h\n" + Month(kModeHebrew, Hebrew(5784, kAv, 9), newYork);
    out += "== Av 5785, Jerusalem\n" + Month(kModeHebrew, Hebrew(5785, kAv, 10), jerusalem);
    options_.zmanimLines = 1;
    options_.clockFormat = 12;
    out += "== Nisan 5785, Jerusalem\n" + Month(kModeHebrew, Hebrew(5785, kNisan, 14), jerusalem);
    out += "== March 2025, Jerusalem\n" + Month(kModeCivil, Civil(2025, 3, 28), jerusalem);
    out += "== Tishrei 5785, New York\n" + Month(kModeHebrew, Hebrew(5785, kTishrei, 10), newYork);
    options_.showEvents = 0;
    options_.showParshiot = 0;
    out += "== December 2024, New York, no events or portions\n" + Month(kModeCivil, Civil(2024, 12, 26), newYork);
    options_.showEvents = options_.showParshiot = 1;
    options_.showMoadim = 0;
    out += "== May 2024, Jerusalem, no holidays\n" + Month(kModeCivil, Civil(2024, 5, 5), jerusalem);
    options_.showMoadim = 1;
    LanguageState().loadedLanguage = kLanguageHebrew;
    out += "== Iyar 5784, Jerusalem, Hebrew interface\n" + Month(kModeHebrew, Hebrew(5784, kIyyar, 1), jerusalem);
    testsupport::ExpectMatchesGolden(std::filesystem::path(VESSANT_TEST_DATA) / "month_cells.golden", out);
}

} // namespace
} // namespace vessant::ui

// The real main window on the offscreen platform, driven by key and mouse events.

#include "app/ui/DateStepper.h"
#include "app/ui/Dialogs.h"
#include "app/ui/UiText.h"
#include "app/ui/tests/WindowFixture.h"

#include "calendar/CalendarTexts.h"
#include "locations/LocationList.h"
#include "text/TextTable.h"
#include "userdata/Reminders.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace vessant::ui {
namespace {

using testing::WindowFixture;

class MainWindowTest : public WindowFixture {
protected:
    void Go(const DATE_STRUCT& date, int mode) {
        if (View()->Mode() != mode)
            View()->SetMode(mode);
        View()->GoToDate(date);
    }
    QPoint CentreOf(const DATE_STRUCT& date) const {
        const CMonthScreen& table = View()->Table();
        for (int n = 1; n <= kGridCells; ++n) {
            const MONTH_CELL& cell = table.Cell(n);
            if (cell.civilDay != 0 && cell.date.dayNumber == date.dayNumber)
                return QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
        }
        ADD_FAILURE() << "no cell for day " << date.dayNumber;
        return {};
    }
    QString Pane(int id) const { return app_->Frame()->Pane(id)->text(); }
};

TEST_F(MainWindowTest, KeysMoveTheSelectedDateInBothModes) {
    Start();
    struct Case {
        int mode;
        DATE_STRUCT from;
        int key;
        DATE_STRUCT to;
    };
    const Case cases[] = {
        {kModeCivil, Civil(2024, 4, 15), Qt::Key_PageDown, Civil(2024, 5, 15)},
        {kModeCivil, Civil(2024, 4, 15), Qt::Key_PageUp, Civil(2024, 3, 15)},
        {kModeCivil, Civil(2024, 3, 31), Qt::Key_PageDown, Civil(2024, 4, 30)},
        {kModeCivil, Civil(2024, 4, 15), Qt::Key_Home, Civil(2023, 4, 15)},
        {kModeCivil, Civil(2024, 2, 29), Qt::Key_End, Civil(2025, 2, 28)},
        {kModeCivil, Civil(2024, 4, 15), Qt::Key_Left, Civil(2024, 4, 14)},
        {kModeCivil, Civil(2024, 4, 15), Qt::Key_Right, Civil(2024, 4, 16)},
        {kModeCivil, Civil(2024, 4, 15), Qt::Key_Up, Civil(2024, 4, 8)},
        {kModeCivil, Civil(2024, 4, 15), Qt::Key_Down, Civil(2024, 4, 22)},
        {kModeHebrew, Hebrew(5784, kNisan, 15), Qt::Key_PageDown, Hebrew(5784, kIyyar, 15)},
        {kModeHebrew, Hebrew(5784, kNisan, 15), Qt::Key_PageUp, Hebrew(5784, kAdarII, 15)},
        {kModeHebrew, Hebrew(5785, kShevat, 30), Qt::Key_PageDown, Hebrew(5785, kAdar, 29)},
        {kModeHebrew, Hebrew(5784, kShevat, 30), Qt::Key_PageDown, Hebrew(5784, kAdarI, 30)},
        {kModeHebrew, Hebrew(5784, kElul, 10), Qt::Key_PageDown, Hebrew(5785, kTishrei, 10)},
        {kModeHebrew, Hebrew(5784, kNisan, 15), Qt::Key_Home, Hebrew(5783, kNisan, 15)},
        {kModeHebrew, Hebrew(5784, kNisan, 15), Qt::Key_End, Hebrew(5785, kNisan, 15)},
        {kModeHebrew, Hebrew(5784, kNisan, 15), Qt::Key_Left, Hebrew(5784, kNisan, 16)},
        {kModeHebrew, Hebrew(5784, kNisan, 15), Qt::Key_Right, Hebrew(5784, kNisan, 14)},
        {kModeHebrew, Hebrew(5784, kNisan, 15), Qt::Key_Up, Hebrew(5784, kNisan, 8)},
        {kModeHebrew, Hebrew(5784, kNisan, 15), Qt::Key_Down, Hebrew(5784, kNisan, 22)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("mode %1 key %2 from %3").arg(c.mode).arg(c.key, 0, 16).arg(c.from.dayNumber).toStdString());
        Go(c.from, c.mode);
        QTest::keyClick(View(), static_cast<Qt::Key>(c.key));
        EXPECT_EQ(View()->Selected().dayNumber, c.to.dayNumber);
        EXPECT_EQ(View()->Selected().hebMonth, c.to.hebMonth);
        // The month shown is the selected date's month.
        if (c.mode == kModeHebrew)
            EXPECT_EQ(View()->Table().TitleBand().monthName, Q(HebrewMonthName(c.to.hebMonth)));
        else
            EXPECT_EQ(View()->Table().TitleBand().monthName, Q(CivilMonthName(c.to.civMonth)));
    }
}

TEST_F(MainWindowTest, ClickSelectsTheCellAndUpdatesThePanes) {
    CMainFrame* frame = Start();
    frame->Action(kCmdViewHover)->trigger(); // hover off: the panes follow the selection
    ASSERT_EQ(OptionsStore().options().hoverEnabled, 0);
    Go(Civil(2024, 3, 10), kModeCivil);
    EXPECT_EQ(Pane(107), QStringLiteral("Standard time"));

    // Israel's clocks went forward on 29 March 2024.
    QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier, CentreOf(Civil(2024, 3, 30)));
    EXPECT_EQ(View()->Selected().dayNumber, Civil(2024, 3, 30).dayNumber);
    EXPECT_EQ(Pane(104), QStringLiteral("20 Adar II 5784"));
    EXPECT_EQ(Pane(105), QStringLiteral("30 March 2024"));
    EXPECT_EQ(Pane(106), QStringLiteral("Jerusalem, Israel"));
    EXPECT_EQ(Pane(107), QStringLiteral("Daylight saving time"));
    EXPECT_EQ(View()->Table().ZmanimBox().date, QStringLiteral("Mar 30, 2024"));
    EXPECT_EQ(View()->Table().TitleBand().civilDay, QStringLiteral("30"));

    // A click outside the dated cells changes nothing.
    QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(View()->Selected().dayNumber, Civil(2024, 3, 30).dayNumber);
}

TEST_F(MainWindowTest, HoverFollowsTheMouseAndShowsTodayOffTheCells) {
    Start();
    ASSERT_EQ(OptionsStore().options().hoverEnabled, 1);
    Go(Civil(2024, 4, 1), kModeCivil);
    QTest::mouseMove(View(), CentreOf(Civil(2024, 4, 23)));
    EXPECT_EQ(Pane(105), QStringLiteral("23 April 2024"));
    EXPECT_EQ(Pane(104), QStringLiteral("15 Nissan 5784"));
    QTest::mouseMove(View(), QPoint(View()->width() / 2, 5));
    EXPECT_EQ(Pane(104), QStringLiteral("Today: 7 Nissan 5784"));
    EXPECT_EQ(Pane(105), QStringLiteral("Today: 15 April 2024"));
}

TEST_F(MainWindowTest, TodayAfterNightfallSelectsTheNextCivilDayInTheHebrewMonth) {
    SetClock(2024, 4, 15, 21, 0); // after nightfall in Jerusalem
    CMainFrame* frame = Start();
    Go(Civil(2023, 1, 1), kModeHebrew);
    frame->RunCommand(kCmdToday);
    EXPECT_EQ(View()->Selected().dayNumber, Civil(2024, 4, 16).dayNumber);
    EXPECT_EQ(View()->Selected().hebDay, 8);
    EXPECT_EQ(View()->Table().SelectedCell(), 0); // today wins over the selection
    EXPECT_GT(View()->Table().TodayCell(), 0);

    frame->RunCommand(kCmdCivil);
    Go(Civil(2023, 1, 1), kModeCivil);
    frame->RunCommand(kCmdToday);
    EXPECT_EQ(View()->Selected().dayNumber, Civil(2024, 4, 15).dayNumber);
}

TEST_F(MainWindowTest, MinuteTimerRollsTheDayOver) {
    SetClock(2024, 4, 15, 18, 0);
    CMainFrame* frame = Start();
    auto* timer = frame->findChild<QTimer*>(QStringLiteral("minuteTimer"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 61000);
    EXPECT_TRUE(timer->isActive());
    Go(Civil(2024, 4, 15), kModeCivil);
    auto todayDay = [this] { return View()->Table().Cell(View()->Table().TodayCell()).date.civDay; };
    EXPECT_EQ(todayDay(), 15);
    EXPECT_EQ(Pane(105), QStringLiteral("Today: 15 April 2024"));

    // Nightfall moves today in the Hebrew month only; midnight moves it in both.
    SetClock(2024, 4, 15, 21, 0);
    frame->OnTimer();
    EXPECT_EQ(todayDay(), 15);
    View()->SetMode(kModeHebrew);
    EXPECT_EQ(todayDay(), 16);
    View()->SetMode(kModeCivil);
    SetClock(2024, 4, 16, 0, 1);
    frame->OnTimer();
    EXPECT_EQ(todayDay(), 16);
    EXPECT_EQ(Pane(105), QStringLiteral("Today: 16 April 2024"));
}

TEST_F(MainWindowTest, DateSteppersAndModeCommands) {
    CMainFrame* frame = Start();
    Go(Civil(2024, 4, 15), kModeCivil);
    EXPECT_FALSE(frame->Action(kCmdCivil)->isEnabled());
    EXPECT_TRUE(frame->Action(kCmdHebrew)->isEnabled());
    auto click = [this](const char* name) {
        auto* button = View()->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    };
    click("stepper201Up");
    EXPECT_EQ(View()->Selected().dayNumber, Civil(2024, 5, 15).dayNumber);
    click("stepper203Down");
    EXPECT_EQ(View()->Selected().dayNumber, Civil(2014, 5, 15).dayNumber);
    click("stepper200Up");
    EXPECT_EQ(View()->Selected().dayNumber, Civil(2014, 5, 16).dayNumber);

    frame->RunCommand(kCmdHebrew);
    EXPECT_EQ(View()->Mode(), kModeHebrew);
    EXPECT_FALSE(frame->Action(kCmdHebrew)->isEnabled());
    Go(Hebrew(5784, kNisan, 15), kModeHebrew);
    click("stepper205Down");
    EXPECT_EQ(View()->Selected().dayNumber, Hebrew(5784, kAdarII, 15).dayNumber);
    click("stepper207Up");
    EXPECT_EQ(View()->Selected().hebYear, 5794);
    // The steppers sit where the title band's layout puts them.
    EXPECT_EQ(View()->Stepper(204)->x(), View()->Table().TitleLayout()[3]);
    EXPECT_EQ(View()->Stepper(202)->x(), View()->Table().TitleLayout()[2] + 20);
}

TEST_F(MainWindowTest, PopupJumpsToBarAndBatMitzvah) {
    CMainFrame* frame = Start();
    Go(Hebrew(5784, kNisan, 15), kModeHebrew);
    frame->RunCommand(kCmdBarMitzvah);
    EXPECT_EQ(View()->Selected().dayNumber, Hebrew(5797, kNisan, 15).dayNumber);
    Go(Hebrew(5784, kNisan, 15), kModeHebrew);
    frame->RunCommand(kCmdBatMitzvah);
    EXPECT_EQ(View()->Selected().dayNumber, Hebrew(5796, kNisan, 15).dayNumber);
    // Born in Adar II: a common year's Adar.
    Go(Hebrew(5784, kAdarII, 10), kModeHebrew);
    frame->RunCommand(kCmdBarMitzvah);
    EXPECT_EQ(View()->Selected().hebYear, 5797);
    EXPECT_EQ(View()->Selected().hebMonth, kAdar);
    EXPECT_EQ(View()->Selected().hebDay, 10);
}

TEST_F(MainWindowTest, QuickLocationChangeKeepsTheDefault) {
    CMainFrame* frame = Start();
    Go(Civil(2024, 4, 15), kModeCivil);
    modalAnswer_ = [](QDialog& dialog) {
        auto* list = static_cast<CQuickLocationDlg&>(dialog).List();
        EXPECT_EQ(list->currentText(), QStringLiteral("Jerusalem, Israel"));
        const int pittsburgh = list->findText(QStringLiteral("Pittsburgh, PA"));
        EXPECT_GE(pittsburgh, 0);
        list->setCurrentIndex(pittsburgh);
        Q_EMIT list->activated(pittsburgh);
        return int(QDialog::Accepted);
    };
    frame->RunCommand(kCmdLocation);
    EXPECT_EQ(modals_.back(), QStringLiteral("quickLocation"));
    EXPECT_EQ(Pane(106), QStringLiteral("Pittsburgh, PA"));
    EXPECT_EQ(View()->Location().city, L"Pittsburgh");
    EXPECT_EQ(DefaultLocation(ProgramLocations()).city, L"Jerusalem");
    // Pesach has two days outside Israel.
    Go(Civil(2024, 4, 1), kModeCivil);
    const DATE_STRUCT second = Civil(2024, 4, 24);
    bool secondDay = false;
    for (int n = 1; n <= kGridCells; ++n)
        if (View()->Table().Cell(n).date.dayNumber == second.dayNumber && View()->Table().Cell(n).civilDay)
            for (const CELL_LINE& line : View()->Table().Cell(n).lines)
                secondDay |= line.text == QStringLiteral("Pesach II") || line.text.startsWith(QStringLiteral("Pesach"));
    EXPECT_TRUE(secondDay);
}

TEST_F(MainWindowTest, ExportWritesTheYearAndReportsAFailure) {
    CMainFrame* frame = Start();
    Go(Civil(2024, 4, 15), kModeCivil);
    EXPECT_EQ(frame->ExportFileName(), QStringLiteral("2024_ENU"));
    Go(Hebrew(5785, kTishrei, 10), kModeHebrew);
    EXPECT_EQ(frame->ExportFileName(), QStringLiteral("5785_ENU"));

    QString target = dir_.filePath(QStringLiteral("year.csv"));
    QString proposed;
    modalAnswer_ = [&](QDialog& dialog) {
        auto& files = static_cast<QFileDialog&>(dialog);
        proposed = files.selectedFiles().value(0);
        files.selectFile(target);
        return int(QDialog::Accepted);
    };
    frame->RunCommand(kCmdExport);
    EXPECT_TRUE(QFileInfo(proposed).fileName().startsWith(QStringLiteral("5785_ENU"))) << proposed.toStdString();
    ASSERT_TRUE(QFileInfo::exists(target));
    QFile written(target);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray head = written.read(2);
    EXPECT_EQ(head, QByteArray("\xFF\xFE", 2));
    EXPECT_GT(written.size(), 366 * 69 * 2); // a line of 69 fields for every day of 2024
    EXPECT_TRUE(messages_.empty());

    // A folder that does not exist: the user is told, naming the file.
    target = dir_.filePath(QStringLiteral("missing/year.csv"));
    frame->RunCommand(kCmdExport);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].indexOf(QStringLiteral("missing/year.csv")), -1) << messages_[0].toStdString();
}

TEST_F(MainWindowTest, AboutShowsVersionAndHebrewBuildDate) {
    Start();
    CAboutDlg about;
    EXPECT_EQ(about.VersionLine(), QChar(0x202A) + QStringLiteral("Version 3.2.46.29"));
    EXPECT_TRUE(about.BuildDateLine().startsWith(QStringLiteral("Version date: ")));
    DATE_STRUCT built;
    ASSERT_TRUE(BuildDate("Oct 29 2014", built));
    EXPECT_EQ(built.hebDay, 5);
    EXPECT_EQ(built.hebMonth, kCheshvan);
    EXPECT_EQ(built.hebYear, 5775);
    EXPECT_FALSE(BuildDate("Foo 29 2014", built));
}

TEST_F(MainWindowTest, DueReminderShowsItsMessage) {
    CMainFrame* frame = Start();
    _reminder reminder;
    reminder.msg = L"Light the candles";
    reminder.timeKind = kReminderTimeClock;
    reminder.hour = 18;
    reminder.autoClose = 1;
    std::error_code saved;
    const int id = AddReminder(reminder, &saved);
    ASSERT_FALSE(saved);
    frame->ReminderDue(id);
    QWidget* shown = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QStringLiteral("reminder") && widget->isVisible())
            shown = widget;
    ASSERT_NE(shown, nullptr);
    EXPECT_NE(shown->findChild<QLabel*>()->text().indexOf(QStringLiteral("Light the candles")), -1);
    // "Auto close": the window closes itself after five minutes.
    auto* autoClose = shown->findChild<QTimer*>(QStringLiteral("autoClose"));
    ASSERT_NE(autoClose, nullptr);
    EXPECT_TRUE(autoClose->isActive());
    EXPECT_EQ(autoClose->interval(), 300000);
    shown->close();
}

TEST_F(MainWindowTest, PlacementIsSavedAtCloseAndRestored) {
    CMainFrame* frame = Start();
    frame->setGeometry(60, 70, 850, 651);
    frame->close();
    const std::wstring stored = OptionsStore().profile().GetString(L"display", L"Window Placement");
    EXPECT_NE(stored.find(L",60,70,910,721"), std::wstring::npos) << QString::fromStdWString(stored).toStdString();
    EXPECT_TRUE(std::filesystem::exists(Folder() / "Vessant3-BarState"));
    frame = Start();
    EXPECT_EQ(frame->geometry(), QRect(60, 70, 850, 651));
}

} // namespace
} // namespace vessant::ui

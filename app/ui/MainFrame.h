#pragma once
// The main window: toolbar, menu bar, the month view, the status bar with its dated panes,
// the minute timer, the tray icon, and the window placement kept between runs.

#include "app/settings/OptionsStore.h"
#include "locations/LocationList.h"

#include <QMainWindow>

#include <map>

class QLabel;
class QProcess;
class QSystemTrayIcon;
class QTimer;
class QToolBar;

namespace vessant::ui {

class CChildView;
class CDayDetailsBar;
class CYearDetailsBar;

// Command numbers of the window.
enum Command : int {
    kCmdFile = 32773, kCmdToday = 32803, kCmdCivil = 32804, kCmdHebrew = 32805,
    kCmdViewHebrew = 32793, kCmdViewCivil = 32796, kCmdLocation = 32786, kCmdHelp = 32827,
    kCmdHelpTopics = 32846, kCmdAcknowledgments = 32859, kCmdDisclaimer = 32854,
    kCmdDonations = 32845, kCmdExport = 32857, kCmdAbout = 57664, kCmdExit = 57665, kCmdBarMitzvah = 32855,
    kCmdBatMitzvah = 32856, kCmdViewHover = 20006, kCmdViewMenu = 20007, kCmdViewToolbar = 20008,
    kCmdDetails = 32890, kCmdDayDetails = 32891, kCmdYearDetails = 32853, kCmdShowDayDetails = 32852
};

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(COptionsStore& store, LOCATION_LIST& locations, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CChildView* View() const { return view_; }
    // Status-bar pane 104, 105, 106 or 107.
    QLabel* Pane(int id) const;
    QAction* Action(int command) const;
    QToolBar* ToolBar() const { return toolbar_; }
    CDayDetailsBar* DayBar() const { return dayBar_; }
    CYearDetailsBar* YearBar() const { return yearBar_; }

    // Applies the stored placement (or the default one) and shows the window.
    void ShowAtStart();
    // Runs a command of the toolbar, the menus or the popup menu.
    void RunCommand(int command);
    // Another start of the program asked for this window.
    void BringToFront();
    // A reminder's alarm is due (from the scheduler thread, queued to this thread).
    void ReminderDue(int id);
    // The minute timer's work: today again, the panes, the tray.
    void OnTimer();
    // The view's location changed by the quick change.
    void SetCurrentLocation(int index);
    // The placement as it would be saved now.
    WINDOW_PLACEMENT CurrentPlacement() const;
    // The export's proposed file name: the year shown and the language's abbreviation.
    QString ExportFileName() const;
    // The docking layout file beside the settings.
    std::filesystem::path BarStateFile() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildActions();
    void BuildMenuBar();
    void BuildToolBar();
    void BuildStatusBar();
    // The details panels (MainFrameDetails.cpp).
    void BuildDetailsBars();
    void AddDetailsButton();
    void RunDetailsCommand(int command);
    void RefillDayBar();
    void RefillYearBar(bool force);
    void UpdateDatePanes();
    void UpdateLocationPanes();
    void UpdateModeActions();
    void UpdateTray();
    void HideInTray();
    void RestoreFromTray();
    void StartHelp();
    void Export();
    void SaveSettings();
    QString TodayText() const;

    COptionsStore& store_;
    OPTIONS_STRUCT& options_;
    LOCATION_LIST& locations_;
    CChildView* view_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    std::map<int, QAction*> actions_;
    std::map<int, QLabel*> panes_;
    QTimer* timer_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;
    int trayDay_ = 0;
    bool restoreMaximized_ = false;
    bool exiting_ = false;
    QProcess* help_ = nullptr;
    CDayDetailsBar* dayBar_ = nullptr;
    CYearDetailsBar* yearBar_ = nullptr;
    bool dayBarStale_ = true;  // to be filled when next shown
    bool yearBarStale_ = true;
};

} // namespace vessant::ui

#pragma once
// The calendar program's start-up: the single-instance guard, the data folder, the stores
// in their order, the main window, "New features!", and publishing the instance.

#include "app/ui/MainFrame.h"
#include "calendar/DateStruct.h"
#include "app/ui/SingleInstance.h"

#include <QString>
#include <QSize>
#include <QStringList>

#include <memory>
#include <optional>

namespace vessant::ui {

// What the command line asks of this run.
struct START_OPTIONS {
    std::optional<DATE_STRUCT> date; // --date YYYY-MM-DD: the day selected at start
    int mode = 0;                    // --view civil|hebrew for this run; 0 as the settings say
    QSize size;                      // --size WxH: the window's size for this run
    QString screenshot;              // --screenshot PREFIX: PREFIX-civil.png, PREFIX-hebrew.png
    bool startupTime = false;        // --startup-time: print the time to the first painted month
    int measurePageDown = 0;         // --measure-page-down N: time N Page Downs, every study shown
    // A run that only measures or takes screenshots and ends by itself: nobody is there to
    // close "New features!", so it is not shown.
    bool Unattended() const { return startupTime || !screenshot.isEmpty() || measurePageDown > 0; }
    QString error;                   // a command line that could not be read
};
START_OPTIONS ParseStartOptions(const QStringList& arguments);

// Font names of the month table and the tray icon, mapped to the fonts this system has.
void InstallFontSubstitutions();

class CVessant3App {
public:
    CVessant3App();
    ~CVessant3App();

    // Runs the start-up sequence. False when another instance was raised instead (the
    // program then ends) or the main window could not be made.
    bool Start(const START_OPTIONS& options = {});
    CMainFrame* Frame() const { return frame_.get(); }
    const CInstanceChecker* Checker() const { return checker_.get(); }

private:
    std::unique_ptr<CInstanceChecker> checker_;
    std::unique_ptr<CMainFrame> frame_;
    bool remindersArmed_ = false;
};

} // namespace vessant::ui

// The main window's part in the details panels: creating and docking them, their
// commands, the Details button, and when each is filled again.

#include "app/ui/MainFrame.h"

#include "app/ui/ChildView.h"
#include "app/ui/DayDetailsBar.h"
#include "app/ui/PanelIcons.h"
#include "app/ui/UiText.h"
#include "app/ui/UiTextIds.h"
#include "app/ui/YearDetailsBar.h"
#include "text/Language.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace vessant::ui {
namespace {

constexpr int kDayBarChosen = 1;  // "Last details bar"
constexpr int kYearBarChosen = 2;
constexpr int kDoubleClickShowsDetails = 0; // "Day double click"

} // namespace

void CMainFrame::BuildDetailsBars() {
    dayBar_ = new CDayDetailsBar(this);
    yearBar_ = new CYearDetailsBar(this);
    addDockWidget(Qt::RightDockWidgetArea, dayBar_);
    addDockWidget(Qt::RightDockWidgetArea, yearBar_);
    splitDockWidget(dayBar_, yearBar_, Qt::Vertical);

    // A panel hidden is not filled; it is filled when it shows again.
    connect(dayBar_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible && dayBarStale_)
            RefillDayBar();
    });
    connect(yearBar_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible && yearBarStale_)
            RefillYearBar(true);
    });
    connect(view_, &CChildView::SelectionChanged, this, [this](bool) {
        RefillDayBar();
        RefillYearBar(false);
    });
    connect(view_, &CChildView::DayDetailsRequested, this, [this] { RunCommand(kCmdShowDayDetails); });
    connect(view_, &CChildView::DayDoubleClicked, this, [this] {
        if (options_.dayDoubleClick == kDoubleClickShowsDetails)
            RunCommand(kCmdShowDayDetails);
    });

    struct DETAILS_COMMAND {
        int command;
        QString text;
    };
    const DETAILS_COMMAND commands[] = {
        {kCmdDetails, UiText(kIdButtonDetails)},
        {kCmdDayDetails, UiText(kIdDayDetailsCaption)},
        {kCmdYearDetails, UiText(kIdYearDetailsCaption)},
    };
    for (const DETAILS_COMMAND& c : commands) {
        auto* action = new QAction(c.text, this);
        action->setObjectName(QStringLiteral("command%1").arg(c.command));
        if (const QString prompt = CommandPrompt(c.command); !prompt.isEmpty()) {
            action->setStatusTip(prompt);
            action->setToolTip(CommandTip(c.command));
        }
        connect(action, &QAction::triggered, this, [this, command = c.command] { RunCommand(command); });
        actions_[c.command] = action;
    }
    Action(kCmdDetails)->setIcon(DetailsButtonImage());
    dayBar_->toggleViewAction()->setObjectName(QStringLiteral("viewDayDetails"));
    yearBar_->toggleViewAction()->setObjectName(QStringLiteral("viewYearDetails"));

    RefillDayBar();
    RefillYearBar(true);
}

void CMainFrame::AddDetailsButton() {
    // The button runs the panel chosen last; its arrow opens menu 210.
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("menu210"));
    menu->addAction(Action(kCmdDayDetails));
    menu->addAction(Action(kCmdYearDetails));
    auto* button = new QToolButton(toolbar_);
    button->setObjectName(QStringLiteral("detailsButton"));
    button->setDefaultAction(Action(kCmdDetails));
    button->setMenu(menu);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->addWidget(button);
}

void CMainFrame::RunDetailsCommand(int command) {
    switch (command) {
    case kCmdDetails:
        RunDetailsCommand(options_.lastDetailsBar == kYearBarChosen ? kCmdYearDetails : kCmdDayDetails);
        return;
    case kCmdDayDetails:
        options_.lastDetailsBar = kDayBarChosen;
        dayBar_->setVisible(dayBar_->isHidden());
        RefillDayBar();
        SaveSettings();
        return;
    case kCmdYearDetails:
        options_.lastDetailsBar = kYearBarChosen;
        yearBar_->setVisible(yearBar_->isHidden());
        RefillYearBar(true);
        SaveSettings();
        return;
    case kCmdShowDayDetails:
        dayBar_->show();
        dayBar_->raise();
        RefillDayBar();
        return;
    default:
        return;
    }
}

void CMainFrame::RefillDayBar() {
    dayBarStale_ = dayBar_->isHidden();
    if (dayBarStale_)
        return;
    dayBar_->Fill(view_->Selected(), view_->Table().DayInputs(), options_.clockFormat, options_.fontSize);
}

void CMainFrame::RefillYearBar(bool force) {
    if (yearBar_->isHidden()) {
        yearBarStale_ = true;
        return;
    }
    if (!force && !yearBarStale_ && yearBar_->Year() == view_->Selected().hebYear)
        return;
    yearBarStale_ = false;
    yearBar_->Fill(view_->Selected(), options_.gregorianTransition, options_.fontSize, IsHebrewInterface());
}

} // namespace vessant::ui

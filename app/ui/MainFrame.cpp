#include "app/ui/MainFrame.h"

#include "app/ui/ChildView.h"
#include "app/ui/DayDetailsBar.h"
#include "app/ui/Dialogs.h"
#include "app/ui/HelpProgram.h"
#include "app/ui/Icons.h"
#include "app/ui/Messages.h"
#include "app/ui/StatusTexts.h"
#include "app/ui/UiText.h"
#include "app/ui/UiTextIds.h"
#include "app/ui/YearDetailsBar.h"
#include "calendar/CalendarTexts.h"
#include "calendar/ClockText.h"
#include "calendar/DateOperations.h"
#include "calendar/HebrewNumeral.h"
#include "locations/LocationCoordinates.h"
#include "platform/AtomicFile.h"
#include "platform/Folders.h"
#include "text/Language.h"
#include "text/TextTable.h"
#include "dayview/DayBuilder.h"
#include "dayview/ExportCsv.h"
#include "userdata/Reminders.h"
#include "zmanim/Zmanim.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace vessant::ui {
namespace {

constexpr int kMinuteTimerMs = 61000;

QSize ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

} // namespace

CMainFrame::CMainFrame(COptionsStore& store, LOCATION_LIST& locations, QWidget* parent)
    : QMainWindow(parent), store_(store), options_(store.options()), locations_(locations) {
    setObjectName(QStringLiteral("mainFrame"));
    // Creating the view loads the interface language and the text table.
    const int loaded = LoadLanguage(options_.language);
    setWindowTitle(Q(MainWindowCaption(loaded)));
    setWindowIcon(ProgramIcon());
    if (IsHebrewInterface())
        setLayoutDirection(Qt::RightToLeft);

    view_ = new CChildView(options_, DefaultLocation(locations_), this);
    view_->setLayoutDirection(Qt::LeftToRight);
    setCentralWidget(view_);

    BuildActions();
    BuildDetailsBars();
    BuildMenuBar();
    BuildToolBar();
    BuildStatusBar();

    // The window's edges move in steps of 7 pixels, so the seven columns share the width.
    setSizeIncrement(7, 7);
    const QSize screen = ScreenSize();
    setMinimumSize(screen.width() <= 1000 ? 600 : 800, screen.height() <= 700 ? 400 : 600);

    connect(view_, &CChildView::SelectionChanged, this, [this](bool) {
        UpdateDatePanes();
        UpdateLocationPanes();
    });
    connect(view_, &CChildView::HoverChanged, this, [this](int) { UpdateDatePanes(); });
    connect(view_, &CChildView::ModeChanged, this, [this](int) { UpdateModeActions(); });

    tray_ = new QSystemTrayIcon(ProgramIcon(), this);
    auto* trayMenu = new QMenu(this);
    trayMenu->setObjectName(QStringLiteral("trayMenu"));
    // "About..." of the tray menu starts the help, like the Help button.
    trayMenu->addAction(UiText(kIdTrayAbout), this, [this] { RunCommand(kCmdHelp); });
    trayMenu->addAction(UiText(kIdMenuExit), this, [this] { RunCommand(kCmdExit); });
    tray_->setContextMenu(trayMenu);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            RestoreFromTray();
    });

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("minuteTimer"));
    timer_->setInterval(kMinuteTimerMs);
    connect(timer_, &QTimer::timeout, this, &CMainFrame::OnTimer);
    timer_->start();

    UpdateModeActions();
    UpdateDatePanes();
    UpdateLocationPanes();
    UpdateTray();

    // The docking layout of the last run.
    QFile state(QString::fromStdWString(BarStateFile().wstring()));
    if (state.open(QIODevice::ReadOnly))
        restoreState(state.readAll());
}

CMainFrame::~CMainFrame() = default;

std::filesystem::path CMainFrame::BarStateFile() const {
    return options_.dataFolder / "Vessant3-BarState";
}

QLabel* CMainFrame::Pane(int id) const {
    auto it = panes_.find(id);
    return it == panes_.end() ? nullptr : it->second;
}

QAction* CMainFrame::Action(int command) const {
    auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::BuildActions() {
    auto add = [this](int command, const QString& text, int image) {
        auto* action = new QAction(text, this);
        action->setObjectName(QStringLiteral("command%1").arg(command));
        if (image >= 0)
            action->setIcon(ToolbarImage(image));
        const QString prompt = CommandPrompt(command);
        if (!prompt.isEmpty() && !UiText(command).isEmpty()) {
            action->setStatusTip(prompt);
            action->setToolTip(CommandTip(command));
        }
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
        actions_[command] = action;
        return action;
    };
    add(kCmdFile, UiText(kIdButtonFile), 10);
    add(kCmdToday, UiText(kIdButtonToday), 0);
    add(kCmdCivil, UiText(kIdButtonCivil), 1);
    add(kCmdHebrew, UiText(kIdButtonHebrew), 2);
    add(kCmdLocation, UiText(kIdButtonLocation), 3);
    add(kCmdHelp, UiText(kIdButtonHelp), 7);
    add(kCmdHelpTopics, UiText(kIdMenuHelpTopics), -1);
    add(kCmdAcknowledgments, UiText(kIdMenuAcknowledgments), -1);
    add(kCmdDisclaimer, UiText(kIdMenuDisclaimer), -1);
    add(kCmdDonations, UiText(kIdMenuDonations), -1);
    add(kCmdAbout, UiText(kIdMenuAbout), -1);
    add(kCmdExit, UiText(kIdMenuExit), -1);
    add(kCmdExport, UiText(kIdMenuExport), -1);
    add(kCmdViewHebrew, UiText(kIdMenuViewHebrew), -1);
    add(kCmdViewCivil, UiText(kIdMenuViewCivil), -1);
    for (int command : {kCmdViewHover, kCmdViewMenu, kCmdViewToolbar})
        add(command, UiText(command), -1)->setCheckable(true);
    Action(kCmdViewHover)->setChecked(options_.hoverEnabled != 0);
    Action(kCmdViewMenu)->setChecked(options_.menuEnabled != 0);
    Action(kCmdViewToolbar)->setChecked(options_.toolbarEnabled != 0);
    // Keys of the frame that reach it from anywhere in the window.
    Action(kCmdExit)->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
}

void CMainFrame::BuildMenuBar() {
    QMenuBar* bar = menuBar();
    bar->clear();
    QMenu* file = bar->addMenu(UiText(kIdMenuFile));
    file->addAction(Action(kCmdExport));
    file->addSeparator();
    file->addAction(Action(kCmdExit));
    QMenu* view = bar->addMenu(UiText(kIdMenuView));
    view->addAction(Action(kCmdViewHebrew));
    view->addAction(Action(kCmdViewCivil));
    view->addSeparator();
    view->addAction(Action(kCmdViewHover));
    view->addAction(Action(kCmdViewMenu));
    view->addAction(Action(kCmdViewToolbar));
    view->addAction(dayBar_->toggleViewAction());
    view->addAction(yearBar_->toggleViewAction());
    QMenu* help = bar->addMenu(UiText(kIdMenuHelp));
    help->addAction(Action(kCmdAbout));
    bar->setVisible(options_.menuEnabled != 0);
}

void CMainFrame::BuildToolBar() {
    toolbar_ = addToolBar(UiText(kIdToolbar));
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->setIconSize(QSize(24, 24));
    toolbar_->setMovable(false);

    // File: the whole button opens menu 170.
    auto* fileMenu = new QMenu(this);
    fileMenu->addAction(Action(kCmdExport));
    fileMenu->addAction(Action(kCmdExit));
    auto* fileButton = new QToolButton(toolbar_);
    fileButton->setDefaultAction(Action(kCmdFile));
    fileButton->setMenu(fileMenu);
    fileButton->setPopupMode(QToolButton::InstantPopup);
    fileButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->addWidget(fileButton);
    toolbar_->addSeparator();
    toolbar_->addAction(Action(kCmdToday));
    AddDetailsButton();
    toolbar_->addSeparator();
    toolbar_->addAction(Action(kCmdCivil));
    toolbar_->addAction(Action(kCmdHebrew));
    toolbar_->addSeparator();
    toolbar_->addAction(Action(kCmdLocation));
    // Help: the button starts the help, its arrow opens menu 171.
    auto* helpMenu = new QMenu(this);
    for (int command : {kCmdHelpTopics, kCmdAcknowledgments, kCmdDisclaimer, kCmdDonations, kCmdAbout})
        helpMenu->addAction(Action(command));
    auto* helpButton = new QToolButton(toolbar_);
    helpButton->setDefaultAction(Action(kCmdHelp));
    helpButton->setMenu(helpMenu);
    helpButton->setPopupMode(QToolButton::MenuButtonPopup);
    helpButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->addWidget(helpButton);
    toolbar_->setVisible(options_.toolbarEnabled != 0);
}

void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13); // a 15-pixel line
    bar->setFont(font);
    bar->showMessage(UiText(kIdStatusReady));
    for (int id : {104, 105, 106, 107}) {
        auto* pane = new QLabel(bar);
        pane->setObjectName(QStringLiteral("pane%1").arg(id));
        pane->setFont(font);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setMinimumWidth(QFontMetrics(font).horizontalAdvance(UiText(id)) + 12);
        bar->addPermanentWidget(pane);
        panes_[id] = pane;
    }
}

void CMainFrame::UpdateDatePanes() {
    const CMonthScreen& table = view_->Table();
    if (options_.hoverEnabled) {
        const int hover = table.GetHover();
        if (hover > 0) {
            const DATE_STRUCT day = table.GetHoverDate();
            Pane(104)->setText(HebrewPaneText(day, false));
            Pane(105)->setText(CivilPaneText(day, false));
        } else {
            Pane(104)->setText(HebrewPaneText(table.Today(), true));
            Pane(105)->setText(CivilPaneText(table.Today(), true));
        }
    } else {
        Pane(104)->setText(HebrewPaneText(view_->Selected(), false));
        Pane(105)->setText(CivilPaneText(view_->Selected(), false));
    }
}

void CMainFrame::UpdateLocationPanes() {
    Pane(106)->setText(LocationPaneText(view_->Location()));
    Pane(107)->setText(ClockPaneText(view_->Location(), view_->Selected()));
}

void CMainFrame::UpdateModeActions() {
    const bool hebrew = view_->Mode() == kModeHebrew;
    Action(kCmdCivil)->setEnabled(hebrew);
    Action(kCmdHebrew)->setEnabled(!hebrew);
}

void CMainFrame::RunCommand(int command) {
    switch (command) {
    case kCmdToday:
        view_->GoToday();
        break;
    case kCmdCivil:
    case kCmdViewCivil:
        view_->SetMode(kModeCivil);
        break;
    case kCmdHebrew:
    case kCmdViewHebrew:
        view_->SetMode(kModeHebrew);
        break;
    case kCmdLocation: {
        CQuickLocationDlg dialog(locations_, view_->Location(),
                                 [this](int index) { SetCurrentLocation(index); }, this);
        RunModal(dialog);
        break;
    }
    case kCmdHelp:
    case kCmdHelpTopics:
        StartHelp();
        break;
    case kCmdAcknowledgments: {
        CAcknowledgmentsDlg dialog(this);
        RunModal(dialog);
        break;
    }
    case kCmdDisclaimer: {
        CDisclaimerDlg dialog(this);
        RunModal(dialog);
        break;
    }
    case kCmdDonations: {
        CDonationDlg dialog(this);
        RunModal(dialog);
        break;
    }
    case kCmdAbout: {
        CAboutDlg dialog(this);
        RunModal(dialog);
        break;
    }
    case kCmdExport:
        Export();
        break;
    case kCmdDetails:
    case kCmdDayDetails:
    case kCmdYearDetails:
    case kCmdShowDayDetails:
        RunDetailsCommand(command);
        break;
    case kCmdBarMitzvah:
        view_->JumpToMitzvah(13);
        break;
    case kCmdBatMitzvah:
        view_->JumpToMitzvah(12);
        break;
    case kCmdExit:
        exiting_ = true;
        close();
        break;
    case kCmdViewHover:
        options_.hoverEnabled = Action(command)->isChecked() ? 1 : 0;
        if (!options_.hoverEnabled)
            view_->Table().SetHover(0);
        view_->update();
        UpdateDatePanes();
        SaveSettings();
        break;
    case kCmdViewMenu:
        options_.menuEnabled = Action(command)->isChecked() ? 1 : 0;
        menuBar()->setVisible(options_.menuEnabled != 0);
        SaveSettings();
        break;
    case kCmdViewToolbar:
        options_.toolbarEnabled = Action(command)->isChecked() ? 1 : 0;
        toolbar_->setVisible(options_.toolbarEnabled != 0);
        SaveSettings();
        break;
    default:
        break;
    }
}

void CMainFrame::SaveSettings() {
    if (const std::error_code error = store_.SaveAll())
        ReportSaveFailure(this, options_.iniPath, error);
}

void CMainFrame::SetCurrentLocation(int index) {
    if (index < 0 || index >= static_cast<int>(locations_.locations.size()))
        return;
    const LOC_STRUCT& location = locations_.locations[static_cast<std::size_t>(index)];
    view_->SetLocation(location);
    UpdateLocationPanes();
    UpdateTray();
}

void CMainFrame::StartHelp() {
    if (help_ && help_->state() != QProcess::NotRunning) {
        // Started again, the viewer brings its window forward and ends; the first one
        // stays the one this window ends when it closes.
        QProcess::startDetached(help_->program(), {});
        return;
    }
    const std::filesystem::path program = FindHelpProgram();
    delete help_;
    help_ = new QProcess(this);
    help_->setProgram(QString::fromStdString(program.string()));
    if (!program.empty())
        help_->start();
    if (program.empty() || !help_->waitForStarted(3000)) {
        delete help_;
        help_ = nullptr;
        ShowMessage(this, MessageKind::Warning, Q(TextOfResource(kIdProgramTitle)), UiText(kIdHelpNotInstalled));
    }
}

QString CMainFrame::ExportFileName() const {
    // Three-letter names of the interface languages, as the desktop abbreviates them.
    static const std::map<int, const char*> kAbbreviations = {
        {7, "DEU"}, {9, "ENU"}, {10, "ESP"}, {12, "FRA"}, {13, "HEB"}, {16, "ITA"},
        {19, "NLD"}, {21, "PLK"}, {22, "PTB"}, {25, "RUS"}, {31, "HUN"}, {34, "UKR"}};
    const int language = LanguageState().loadedLanguage;
    const auto it = kAbbreviations.find(language);
    const char* abbreviation = it == kAbbreviations.end() ? "ENU" : it->second;
    const DATE_STRUCT& selected = view_->Selected();
    const int year = view_->Mode() == kModeHebrew ? selected.hebYear : CivilDateForDisplay(selected).year;
    return QStringLiteral("%1_%2").arg(year).arg(QLatin1String(abbreviation));
}

void CMainFrame::Export() {
    QFileDialog dialog(this, UiText(kIdExport));
    dialog.setObjectName(QStringLiteral("exportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(UiText(kIdCsvFilter));
    dialog.setDefaultSuffix(QStringLiteral("CSV"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setDirectory(QString::fromStdWString(platform::DocumentsFolder().wstring()));
    dialog.selectFile(ExportFileName());
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    const QString chosen = dialog.selectedFiles().value(0);
    if (!QFileInfo(chosen).fileName().contains(QLatin1Char('.')))
        return;
    const std::filesystem::path file(chosen.toStdWString());
    CCSVExport exporter(options_.clockFormat);
    exporter.SetFileName(file);
    DAY_INPUTS inputs = view_->Table().DayInputs();
    inputs.location = view_->Location();
    exporter.SetInputs(inputs);
    if (const std::error_code error = exporter.ExportYear(view_->Selected()))
        ReportExportFailure(this, file, error);
}

QString CMainFrame::TodayText() const {
    const DATE_STRUCT today = view_->Table().TodayAfterNightfall();
    const QString month = Q(HebrewMonthName(today.hebMonth));
    if (IsHebrewInterface())
        return Q(HebrewNumeral(today.hebDay)) + QLatin1Char(' ') + month + QLatin1Char(' ') +
               Q(HebrewNumeral(today.hebYear));
    return QStringLiteral("%1 %2 %3").arg(today.hebDay).arg(month).arg(today.hebYear);
}

void CMainFrame::UpdateTray() {
    const QString date = TodayText();
    if (isMinimized())
        setWindowTitle(date);
    if (!tray_)
        return;
    const bool hebrew = IsHebrewInterface();
    const DATE_STRUCT today = view_->Table().TodayAfterNightfall();
    DAY_INPUTS inputs = view_->Table().DayInputs();
    inputs.location = view_->Location();
    DAY_FACTS day;
    CDayBuilder(inputs, TimesView::WholeDay).Build(today, kDayZmanim, day);
    constexpr DayZman kTrayZmanim[] = {DayZman::Hanetz, DayZman::Shkia, DayZman::Tzeit};
    QString tip = date;
    for (const DayZman which : kTrayZmanim) {
        const DAY_ZMAN& line = ZmanOf(day.zmanim, which);
        tip += QStringLiteral("\n\r");
        if (hebrew)
            tip += QChar(0x202E);
        tip += Q(TextOfResource(line.labelId)) + QStringLiteral(": ");
        if (hebrew)
            tip += QChar(0x202A);
        tip += Q(FormatClockTime(line.time.hour, line.time.minute, options_.clockFormat));
    }
    tray_->setToolTip(tip);
    if (options_.systrayIcon == 1 || options_.systrayIcon == 2) {
        if (today.hebDay != trayDay_) {
            QString text = options_.systrayIcon == 2 ? Q(HebrewNumeral(today.hebDay))
                                                     : QString::number(today.hebDay);
            tray_->setIcon(DayOfMonthIcon(text, options_.systrayIcon,
                                          static_cast<std::uint32_t>(options_.colorSystrayDate)));
            trayDay_ = today.hebDay;
        }
    } else {
        tray_->setIcon(ProgramIcon());
        trayDay_ = 0;
    }
}

void CMainFrame::OnTimer() {
    view_->Tick();
    RefillDayBar();
    UpdateDatePanes();
    UpdateLocationPanes();
    UpdateTray();
}

void CMainFrame::ShowAtStart() {
    const QSize screen = ScreenSize();
    const WINDOW_PLACEMENT placement =
        store_.ReadWindowPlacement(kShowNormal, screen.width(), screen.height());
    setGeometry(placement.left, placement.top, placement.right - placement.left,
                placement.bottom - placement.top);
    restoreMaximized_ = placement.showCommand == kShowMaximized ||
                        (placement.flags & kPlacementRestoreToMaximized) != 0;
    if (options_.minimizeStartup && options_.systrayMinimize && QSystemTrayIcon::isSystemTrayAvailable()) {
        HideInTray();
        return;
    }
    switch (placement.showCommand) {
    case kShowMinimized: showMinimized(); break;
    case kShowMaximized: showMaximized(); break;
    default: show(); break;
    }
    UpdateDatePanes();
    UpdateLocationPanes();
    view_->setFocus();
}

WINDOW_PLACEMENT CMainFrame::CurrentPlacement() const {
    WINDOW_PLACEMENT placement;
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    placement.left = normal.left();
    placement.top = normal.top();
    placement.right = normal.left() + normal.width();
    placement.bottom = normal.top() + normal.height();
    placement.minimizedX = placement.minimizedY = -1;
    placement.maximizedX = placement.maximizedY = -1;
    if (isMinimized()) {
        placement.showCommand = kShowMinimized;
        if (restoreMaximized_)
            placement.flags = kPlacementRestoreToMaximized;
    } else if (isMaximized()) {
        placement.showCommand = kShowMaximized;
    } else {
        placement.showCommand = kShowNormal;
    }
    return placement;
}

void CMainFrame::BringToFront() {
    if (isHidden())
        RestoreFromTray();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void CMainFrame::ReminderDue(int id) {
    const _reminder* reminder = ProgramReminders().HandleDue(id);
    if (!reminder)
        return;
    auto* window = new CReminderWindow(Q(reminder->msg), reminder->autoClose == 1, nullptr);
    window->show();
    window->raise();
}

void CMainFrame::HideInTray() {
    hide();
    tray_->show();
    UpdateTray();
}

void CMainFrame::RestoreFromTray() {
    if (restoreMaximized_)
        showMaximized();
    else
        showNormal();
    raise();
    activateWindow();
    if (tray_)
        tray_->hide();
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    if (isMaximized())
        restoreMaximized_ = true;
    else if (!isMinimized())
        restoreMaximized_ = false;
    if (isMinimized()) {
        UpdateTray();
        if (options_.systrayMinimize && (options_.minimize == 1 || options_.minimize == 3) &&
            QSystemTrayIcon::isSystemTrayAvailable())
            QTimer::singleShot(0, this, &CMainFrame::HideInTray);
    } else {
        setWindowTitle(Q(MainWindowCaption(LanguageState().loadedLanguage)));
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!exiting_ && options_.systrayMinimize && (options_.minimize == 2 || options_.minimize == 3) &&
        QSystemTrayIcon::isSystemTrayAvailable()) {
        event->ignore();
        HideInTray();
        return;
    }
    if (help_ && help_->state() != QProcess::NotRunning) {
        help_->kill();
        help_->waitForFinished(1000);
    }
    if (const std::error_code error = store_.SaveWindowPlacement(CurrentPlacement()))
        ReportSaveFailure(this, options_.iniPath, error);
    const QByteArray state = saveState();
    if (const std::error_code error =
            platform::WriteFileAtomically(BarStateFile(), std::string_view(state.constData(), static_cast<std::size_t>(state.size()))))
        ReportSaveFailure(this, BarStateFile(), error);
    if (tray_)
        tray_->hide();
    event->accept();
}

} // namespace vessant::ui

#include "app/ui/App.h"

#include "app/settings/ProgramStores.h"
#include "app/ui/ChildView.h"
#include "app/ui/Dialogs.h"
#include "app/ui/Icons.h"
#include "app/ui/Messages.h"
#include "app/ui/UiText.h"
#include "app/ui/UiTextIds.h"
#include "calendar/DateOperations.h"
#include "locations/LocationCoordinates.h"
#include "platform/Folders.h"
#include "text/ResourceIds.h"
#include "text/TextTable.h"
#include "userdata/EventList.h"
#include "userdata/Reminders.h"

#include <QApplication>
#include <QFont>
#include <QMetaObject>
#include <QPointer>
#include <QRegularExpression>

namespace vessant::ui {

START_OPTIONS ParseStartOptions(const QStringList& arguments) {
    START_OPTIONS options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--date") && hasValue) {
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral("^(-?\\d+)-(\\d{1,2})-(\\d{1,2})$")).match(arguments[++i]);
            DATE_STRUCT date;
            SetTransition(date, kTransitionUK);
            if (!m.hasMatch() || !SetCivilDate(date, m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()))
                options.error = QStringLiteral("--date wants a civil date as YYYY-MM-DD");
            else
                options.date = date;
        } else if (argument == QLatin1String("--view") && hasValue) {
            const QString view = arguments[++i];
            if (view == QLatin1String("civil"))
                options.mode = kModeCivil;
            else if (view == QLatin1String("hebrew"))
                options.mode = kModeHebrew;
            else
                options.error = QStringLiteral("--view wants civil or hebrew");
        } else if (argument == QLatin1String("--size") && hasValue) {
            const QStringList parts = arguments[++i].split(QLatin1Char('x'));
            if (parts.size() == 2 && parts[0].toInt() > 0 && parts[1].toInt() > 0)
                options.size = QSize(parts[0].toInt(), parts[1].toInt());
            else
                options.error = QStringLiteral("--size wants WIDTHxHEIGHT");
        } else if (argument == QLatin1String("--screenshot") && hasValue) {
            options.screenshot = arguments[++i];
        } else if (argument == QLatin1String("--startup-time")) {
            options.startupTime = true;
        } else if (argument == QLatin1String("--measure-page-down") && hasValue) {
            options.measurePageDown = arguments[++i].toInt();
            if (options.measurePageDown <= 0)
                options.error = QStringLiteral("--measure-page-down wants a count");
        } else {
            options.error = QStringLiteral("unknown argument: ") + argument;
        }
    }
    return options;
}

void InstallFontSubstitutions() {
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("David"), {QStringLiteral("David CLM"), QStringLiteral("Frank Ruehl CLM")});
    QFont::insertSubstitutions(QStringLiteral("Narkisim"), {QStringLiteral("Nachlieli CLM"), QStringLiteral("Simple CLM")});
}

CVessant3App::CVessant3App() = default;

CVessant3App::~CVessant3App() {
    if (remindersArmed_)
        ProgramReminders().Shutdown();
    frame_.reset();
}

bool CVessant3App::Start(const START_OPTIONS& start) {
    // 1. One calendar per user and data folder.
    const std::wstring title = TextOfResource(kIdApplicationTitle);
    checker_ = std::make_unique<CInstanceChecker>(platform::DataFolderPath(title));
    if (checker_->PreviousInstanceRaised())
        return false;

    // 2, 3. The program icon; the system's version.
    QApplication::setWindowIcon(ProgramIcon());
    COptionsStore& store = OptionsStore();
    ReadOperatingSystemVersion(store.options());

    // 4. The data folder.
    const std::filesystem::path folder = SettingsDataFolder();

    // 5-8. Custom shitot, the settings with the locations (saved back at once), user events
    // and reminders, in that order.
    const STORE_LOAD_RESULT loaded = LoadProgramStores(folder, true);
    if (loaded.options)
        ReportSaveFailure(nullptr, store.options().iniPath, loaded.options);
    if (loaded.events)
        ShowMessage(nullptr, MessageKind::Warning, Q(TextOfResource(kIdProgramTitle)),
                    Q(UserEvents().File().wstring()) + QStringLiteral(": ") +
                        QString::fromStdString(loaded.events.message()));
    LOCATION_LIST& locations = ProgramLocations();

    // 9. The main window; its view loads the language. Reminders are armed for the view's
    // location and come back to this thread when due.
    frame_ = std::make_unique<CMainFrame>(store, locations);
    CChildView* view = frame_->View();
    const LOCATION_COORDINATES where = LocationCoordinates(view->Location());
    SetReminderLocation(where.longitude, where.latitude, where.zoneOffsetTenths, where.shita, where.dstRule);
    QPointer<CMainFrame> frame(frame_.get());
    ArmAllReminders([frame](int id) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [frame, id] {
                if (frame)
                    frame->ReminderDue(id);
            },
            Qt::QueuedConnection);
    });
    remindersArmed_ = true;
    if (start.mode != 0 && start.mode != view->Mode())
        view->SetMode(start.mode);
    if (start.date)
        view->GoToDate(*start.date);
    frame_->ShowAtStart();
    if (start.size.isValid())
        frame_->resize(start.size);

    // 10. What is new, when the settings came from an older version.
    if (store.options().showNewFeatures && !start.Unattended()) {
        CNewVersionDlg dialog(frame_.get());
        RunModal(dialog);
    }

    // 11. Later starts find this one.
    checker_->Publish([frame] {
        if (frame)
            frame->BringToFront();
    });
    return true;
}

} // namespace vessant::ui

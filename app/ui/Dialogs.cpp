#include "app/ui/Dialogs.h"

#include "app/settings/Version.h"
#include "app/ui/Icons.h"
#include "app/ui/UiText.h"
#include "app/ui/UiTextIds.h"
#include "calendar/CalendarTexts.h"
#include "calendar/DateOperations.h"
#include "calendar/HebrewNumeral.h"
#include "text/Language.h"
#include "text/TextTable.h"
#include "userdata/Reminder.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>
#include <cstring>

#ifndef VESSANT_HOMEPAGE_URL
#define VESSANT_HOMEPAGE_URL ""
#endif
#ifndef VESSANT_SUPPORT_URL
#define VESSANT_SUPPORT_URL ""
#endif
#ifndef VESSANT_DONATION_URL
#define VESSANT_DONATION_URL ""
#endif

namespace vessant::ui {
namespace {

QPushButton* AddCloseButton(QDialog* dialog, QVBoxLayout* layout, int textId) {
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* close = buttons->addButton(UiText(textId), QDialogButtonBox::AcceptRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    layout->addWidget(buttons);
    return close;
}

QPlainTextEdit* ReadOnlyText(const QString& text, QWidget* parent) {
    auto* edit = new QPlainTextEdit(text, parent);
    edit->setReadOnly(true);
    return edit;
}

// A hyperlink label; nothing when the build names no address.
void AddLink(QVBoxLayout* layout, const char* url, int textId, QWidget* parent) {
    if (std::strlen(url) == 0)
        return;
    auto* link = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>")
                                .arg(QString::fromUtf8(url).toHtmlEscaped(), UiText(textId).toHtmlEscaped()),
                            parent);
    link->setOpenExternalLinks(true);
    layout->addWidget(link);
}

void ApplyDirection(QWidget* widget) {
    widget->setLayoutDirection(IsHebrewInterface() ? Qt::RightToLeft : Qt::LeftToRight);
}

} // namespace

bool BuildDate(const char* compileDate, DATE_STRUCT& date) {
    char month[4] = {};
    char day[3] = {};
    char year[5] = {};
    if (std::sscanf(compileDate, "%3s %2s %4s", month, day, year) != 3)
        return false;
    static const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    int m = 0;
    for (int i = 0; i < 12; ++i)
        if (std::strcmp(month, kMonths[i]) == 0)
            m = i + 1;
    if (m == 0)
        return false;
    SetTransition(date, kTransitionUK);
    return SetCivilDate(date, std::atoi(year), m, std::atoi(day));
}

CNewVersionDlg::CNewVersionDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("newFeatures"));
    setWindowTitle(UiText(kIdNewFeaturesTitle));
    ApplyDirection(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(UiText(kIdNewFeaturesHeading), this));
    auto* notes = ReadOnlyText(UiText(kIdNewFeaturesNotes), this);
    notes->setMinimumSize(420, 140);
    layout->addWidget(notes);
    AddCloseButton(this, layout, 782);
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("about"));
    setWindowTitle(UiText(kIdAboutTitle));
    ApplyDirection(this);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(48, 48));
    top->addWidget(icon);
    auto* title = new QLabel(UiText(kIdAboutHeading), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    top->addWidget(title, 1);
    layout->addLayout(top);

    const VERSION_NUMBER v = ProgramVersion();
    const QString number = QStringLiteral("%1.%2.%3.%4").arg(v.major).arg(v.minor).arg(v.build).arg(v.revision);
    if (IsHebrewInterface())
        versionLine_ = QChar(0x202A) + number + QStringLiteral(" :") + UiText(kIdVersion);
    else
        versionLine_ = QChar(0x202A) + UiText(kIdVersion) + QLatin1Char(' ') + number;
    DATE_STRUCT built;
    if (BuildDate(__DATE__, built)) {
        const QString month = Q(HebrewMonthName(built.hebMonth));
        if (IsHebrewInterface())
            buildDateLine_ = UiText(kIdVersionDate) + QLatin1Char(' ') + Q(HebrewNumeral(built.hebDay)) +
                             QLatin1Char(' ') + month + QLatin1Char(' ') + Q(HebrewNumeral(built.hebYear));
        else
            buildDateLine_ = QStringLiteral("%1 %2 %3 %4").arg(UiText(kIdVersionDate)).arg(built.hebDay).arg(month).arg(built.hebYear);
    }
    for (const QString& line : {versionLine_, buildDateLine_}) {
        auto* edit = new QLineEdit(line, this);
        edit->setReadOnly(true);
        layout->addWidget(edit);
    }
    AddLink(layout, VESSANT_HOMEPAGE_URL, 20202, this);
    AddLink(layout, VESSANT_SUPPORT_URL, 20203, this);
    AddCloseButton(this, layout, 782);
}

CDisclaimerDlg::CDisclaimerDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("disclaimer"));
    setWindowTitle(UiText(kIdDisclaimerTitle));
    ApplyDirection(this);
    auto* layout = new QVBoxLayout(this);
    for (int id : {840, 841}) {
        auto* text = ReadOnlyText(UiText(id), this);
        text->setMinimumSize(440, 110);
        layout->addWidget(text);
    }
    AddCloseButton(this, layout, 780);
}

CDonationDlg::CDonationDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("donation"));
    setWindowTitle(UiText(kIdDonation));
    ApplyDirection(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ReadOnlyText(UiText(kIdDonationText), this));
    AddLink(layout, VESSANT_DONATION_URL, 20700, this);
    AddCloseButton(this, layout, 782);
}

CAcknowledgmentsDlg::CAcknowledgmentsDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("acknowledgments"));
    setWindowTitle(UiText(kIdAcknowledgmentsTitle));
    ApplyDirection(this);
    auto* layout = new QVBoxLayout(this);
    const struct {
        int heading;
        int first, last;
    } lists[2] = {{20401, 20410, 20413}, {20402, 20420, 20425}};
    for (const auto& list : lists) {
        layout->addWidget(new QLabel(UiText(list.heading), this));
        auto* widget = new QListWidget(this);
        widget->setWordWrap(true);
        for (int id = list.first; id <= list.last; ++id)
            widget->addItem(UiText(id));
        widget->setMinimumSize(520, 120);
        layout->addWidget(widget);
    }
    AddCloseButton(this, layout, 782);
}

CQuickLocationDlg::CQuickLocationDlg(const LOCATION_LIST& list, const LOC_STRUCT& current,
                                     std::function<void(int index)> choose, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("quickLocation"));
    setWindowTitle(UiText(kIdQuickLocationTitle));
    ApplyDirection(this);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(UiText(kIdQuickLocationText), this);
    text->setWordWrap(true);
    layout->addWidget(text);
    combo_ = new QComboBox(this);
    int selected = -1;
    for (std::size_t i = 0; i < list.locations.size(); ++i) {
        const LOC_STRUCT& location = list.locations[i];
        combo_->addItem(Q(location.city) + QStringLiteral(", ") + Q(location.country));
        if (selected < 0 && location == current)
            selected = static_cast<int>(i);
    }
    combo_->setCurrentIndex(selected);
    connect(combo_, &QComboBox::activated, this, [choose](int index) {
        if (index >= 0)
            choose(index);
    });
    layout->addWidget(combo_);
    AddCloseButton(this, layout, 782);
}

CReminderWindow::CReminderWindow(const QString& message, bool autoClose, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("reminder"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(UiText(kIdReminderTitle));
    ApplyDirection(this);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(message, this);
    text->setWordWrap(true);
    text->setMinimumWidth(260);
    layout->addWidget(text);
    auto* close = new QPushButton(UiText(kIdClose), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close, 0, Qt::AlignCenter);
    if (autoClose) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("autoClose"));
        timer->setSingleShot(true);
        timer->setInterval(kAutoCloseMilliseconds);
        connect(timer, &QTimer::timeout, this, &QWidget::close);
        timer->start();
    }
}

} // namespace vessant::ui

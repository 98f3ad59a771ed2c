#include "helpviewer/HelpWindow.h"

#include "helpviewer/AboutDlg.h"
#include "helpviewer/ButtonImages.h"
#include "helpviewer/HelpBrowser.h"
#include "helpviewer/HelpPages.h"
#include "helpviewer/HelpTexts.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace vessant::help {
namespace {

// The window is laid out in dialog units, which follow the font: a horizontal unit is a
// quarter of the average character width, a vertical unit an eighth of the line height.
struct DialogUnits {
    double x;
    double y;
};

DialogUnits BaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double average = metrics.horizontalAdvance(alphabet) / 52.0;
    return {average / 4.0, metrics.height() / 8.0};
}

QRect ToPixels(const QRect& units, const DialogUnits& base) {
    return QRect(qRound(units.x() * base.x), qRound(units.y() * base.y), qRound(units.width() * base.x),
                 qRound(units.height() * base.y));
}

constexpr int kWidthUnits = 379;
constexpr int kHeightUnits = 297;
const QRect kFrameUnits(7, 29, 365, 261);
constexpr char kAppScheme[] = "app";

} // namespace

CHelpDlg::CHelpDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(HelpText(kIdWindowTitle));
    setWindowIcon(HelpIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    const DialogUnits base = BaseUnits(font());
    setFixedSize(qRound(kWidthUnits * base.x), qRound(kHeightUnits * base.y));

    const struct {
        int control, image, textId, tipId;
        QRect units;
    } buttons[] = {
        {kControlContents, kImageContents, kIdContents, kIdContentsTip, QRect(7, 6, 50, 17)},
        {kControlBack, kImageBack, kIdBack, kIdBackTip, QRect(60, 6, 42, 17)},
        {kControlForward, kImageForward, 0, kIdForwardTip, QRect(105, 6, 20, 17)},
        {kControlPrint, kImagePrint, kIdPrint, kIdPrintTip, QRect(128, 6, 42, 17)},
        {kControlAbout, kImageAbout, kIdAbout, kIdAboutTip, QRect(173, 6, 42, 17)},
        {kControlClose, kImageClose, kIdClose, kIdCloseTip, QRect(322, 6, 50, 17)},
    };
    for (const auto& button : buttons)
        AddButton(button.control, button.image, button.textId, button.tipId, ToPixels(button.units, base));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(HelpImagePixmap(kImageIcon));
    picture->setAlignment(Qt::AlignCenter);
    picture->setGeometry(ToPixels(QRect(218, 6, 20, 17), base));

    browser_ = new CHelpBrowser(this);
    browser_->setGeometry(ToPixels(kFrameUnits, base));
    connect(browser_, &QTextBrowser::anchorClicked, this, &CHelpDlg::FollowLink);
    connect(browser_, &QTextBrowser::backwardAvailable, Button(kControlBack), &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, Button(kControlForward), &QWidget::setEnabled);
    Button(kControlBack)->setEnabled(false);
    Button(kControlForward)->setEnabled(false);

    browser_->ShowPage(QString::fromLatin1(kContentsPage));
    browser_->setFocus();
}

QPushButton* CHelpDlg::AddButton(int control, int image, int textId, int tipId, const QRect& place) {
    auto* button = new QPushButton(this);
    button->setObjectName(QStringLiteral("button%1").arg(control));
    if (textId != 0)
        button->setText(HelpText(textId));
    button->setToolTip(HelpText(tipId));
    button->setIcon(QIcon(HelpImagePixmap(image)));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    button->setGeometry(place);
    connect(button, &QPushButton::clicked, this, [this, control] { RunCommand(control); });
    buttons_[control] = button;
    return button;
}

QPushButton* CHelpDlg::Button(int control) const {
    const auto it = buttons_.find(control);
    return it == buttons_.end() ? nullptr : it->second;
}

void CHelpDlg::RunCommand(int control) {
    switch (control) {
    case kControlContents:
        browser_->ShowPage(QString::fromLatin1(kContentsPage));
        break;
    case kControlBack:
        browser_->backward();
        break;
    case kControlForward:
        browser_->forward();
        break;
    case kControlPrint:
        Print();
        break;
    case kControlAbout:
        ShowAbout();
        break;
    case kControlClose:
        close();
        break;
    default:
        break;
    }
}

AppCommandResult CHelpDlg::RunAppCommand(const QString& command) {
    if (command == QLatin1String("Minimise")) {
        showMinimized();
        return AppCommandResult::Minimised;
    }
    if (command == QLatin1String("Beep")) {
        QApplication::beep();
        return AppCommandResult::Beeped;
    }
    QMessageBox box(QMessageBox::Question, HelpText(kIdUnexpectedCommand), command, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("unexpectedCommandBox"));
    box.exec();
    return AppCommandResult::Asked;
}

void CHelpDlg::FollowLink(const QUrl& url) {
    if (url.scheme().compare(QLatin1String(kAppScheme), Qt::CaseInsensitive) == 0) {
        // The command is everything after "app:", as the page wrote it.
        const QString written = url.toString();
        RunAppCommand(QUrl::fromPercentEncoding(written.mid(written.indexOf(QLatin1Char(':')) + 1).toUtf8()));
        return;
    }
    if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https") ||
        url.scheme() == QLatin1String("mailto")) {
        QDesktopServices::openUrl(url);
        return;
    }
    browser_->setSource(url);
}

void CHelpDlg::Print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setWindowTitle(HelpText(kIdPrintTitle));
    if (dialog.exec() == QDialog::Accepted)
        PrintPage(printer);
}

void CHelpDlg::PrintPage(QPrinter& printer) {
    browser_->print(&printer);
}

void CHelpDlg::ShowAbout() {
    CAboutHelpDlg about(this);
    about.exec();
}

void CHelpDlg::BringToFront() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    // A box open over the window (the About box, a print dialog) comes forward too.
    QWidget* popup = QApplication::activeModalWidget();
    if (popup && popup != this) {
        popup->raise();
        popup->activateWindow();
    }
}

void CHelpDlg::contextMenuEvent(QContextMenuEvent* event) {
    // Desktops on this system keep the window menu to themselves, so the About item that
    // would join it is offered here.
    QMenu menu(this);
    menu.addAction(HelpText(kIdAboutMenuItem), this, &CHelpDlg::ShowAbout);
    menu.exec(event->globalPos());
}

} // namespace vessant::help

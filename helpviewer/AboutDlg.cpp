#include "helpviewer/AboutDlg.h"

#include "helpviewer/ButtonImages.h"
#include "helpviewer/HelpTexts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vessant::help {

CAboutHelpDlg::CAboutHelpDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutHelpDialog"));
    setWindowTitle(HelpText(kIdAboutTitle));

    auto* icon = new QLabel(this);
    icon->setPixmap(HelpImagePixmap(kImageIcon).scaled(32, 32, Qt::KeepAspectRatio, Qt::FastTransformation));
    auto* version = new QLabel(HelpText(kIdAboutVersion), this);
    version->setObjectName(QStringLiteral("versionLine"));
    auto* manual = new QLabel(HelpText(kIdAboutManual), this);
    manual->setWordWrap(true);
    auto* components = new QPlainTextEdit(HelpText(kIdAboutComponents), this);
    components->setObjectName(QStringLiteral("componentList"));
    components->setReadOnly(true);
    components->setFixedHeight(components->fontMetrics().lineSpacing() * 6 + 12);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(HelpText(kIdClose), QDialogButtonBox::AcceptRole);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    auto* lines = new QVBoxLayout;
    lines->addWidget(version);
    lines->addWidget(manual);
    top->addLayout(lines, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(components);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

} // namespace vessant::help

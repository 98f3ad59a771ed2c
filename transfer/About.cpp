#include "transfer/About.h"

#include "calendar/TextTemplate.h"
#include "text/TextTable.h"
#include "transfer/TransferMessages.h"
#include "transfer/convert/TransferTextIds.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vessant::transfer {
namespace {

// The four parts of the program's file version, most significant first, set by the build.
constexpr int kVersionParts[] = {DATACARRY_VERSION_MAJOR, DATACARRY_VERSION_MINOR,
                                 DATACARRY_VERSION_PATCH, DATACARRY_VERSION_BUILD};
constexpr int kIconSize = 32;

} // namespace

QString VersionLine() {
    return Q(FormatTemplate(TextOfResource(kIdVersionLine),
                            {kVersionParts[0], kVersionParts[1], kVersionParts[2], kVersionParts[3]}));
}

CAbout::CAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(TransferText(kIdAboutTitle));
    setWindowIcon(TransferIcon());

    auto* icon = new QLabel(this);
    icon->setPixmap(TransferIcon().pixmap(kIconSize, kIconSize));
    icon->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(TransferText(kIdAboutText), this);
    auto* version = new QLineEdit(VersionLine(), this);
    version->setObjectName(QStringLiteral("version"));
    version->setReadOnly(true);
    version->setFrame(false);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(TransferText(kIdOk), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(text);
    texts->addWidget(version);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
}

} // namespace vessant::transfer

#include "transfer/DataCarryDlg.h"

#include "transfer/About.h"
#include "transfer/FolderDlg.h"
#include "transfer/TransferMessages.h"
#include "transfer/convert/Transfer.h"
#include "transfer/convert/TransferTextIds.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace vessant::transfer {
namespace {

constexpr int kFieldMinimumWidth = 420;

QLabel* WrappedText(int textId, QWidget* parent) {
    auto* label = new QLabel(TransferText(textId), parent);
    label->setWordWrap(true);
    return label;
}

QLineEdit* ReadOnlyField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setMinimumWidth(kFieldMinimumWidth);
    return field;
}

QString PathText(const std::filesystem::path& path) {
    return QDir::toNativeSeparators(QString::fromStdString(path.string()));
}

} // namespace

CDataCarryDlg::CDataCarryDlg(std::filesystem::path dataFolder, QWidget* parent)
    : QDialog(parent), dataFolder_(std::move(dataFolder)),
      oldFolder_(QString::fromStdString(DefaultOldFolder().string())) {
    setObjectName(QStringLiteral("DataCarry"));
    setWindowTitle(TransferText(kIdDialogTitle));
    setWindowIcon(TransferIcon());

    folderField_ = ReadOnlyField(QStringLiteral("oldFolder"), this);
    folderField_->setText(TransferText(kIdOldFolderPrompt));
    browse_ = new QPushButton(TransferText(kIdBrowse), this);
    statusField_ = ReadOnlyField(QStringLiteral("status"), this);

    auto* titles = new QGroupBox(TransferText(kIdTitleGroup), this);
    english_ = new QRadioButton(TransferText(kIdEnglish), titles);
    hebrew_ = new QRadioButton(TransferText(kIdHebrew), titles);
    hebrew_->setChecked(true);
    auto* choices = new QHBoxLayout;
    choices->addWidget(english_);
    choices->addWidget(hebrew_);
    choices->addStretch(1);
    auto* titleLayout = new QVBoxLayout(titles);
    titleLayout->addWidget(WrappedText(kIdTitleExplanation1, titles));
    titleLayout->addWidget(WrappedText(kIdTitleExplanation2, titles));
    titleLayout->addLayout(choices);

    auto* description = new QGroupBox(TransferText(kIdDescriptionGroup), this);
    titleAsDescription_ = new QCheckBox(TransferText(kIdTitleAsDescription), description);
    auto* descriptionLayout = new QVBoxLayout(description);
    descriptionLayout->addWidget(WrappedText(kIdDescriptionExplanation, description));
    descriptionLayout->addWidget(titleAsDescription_);

    auto* locations = new QGroupBox(TransferText(kIdLocationGroup), this);
    auto* locationLayout = new QVBoxLayout(locations);
    locationLayout->addWidget(WrappedText(kIdLocationExplanation, locations));

    dataFolderField_ = ReadOnlyField(QStringLiteral("dataFolder"), this);
    dataFolderField_->setText(PathText(dataFolder_));

    about_ = new QPushButton(TransferText(kIdAbout), this);
    transfer_ = new QPushButton(TransferText(kIdDoTransfer), this);
    transfer_->setEnabled(false);
    close_ = new QPushButton(TransferText(kIdClose), this);
    transfer_->setAutoDefault(false);
    close_->setAutoDefault(false);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderField_, 1);
    folderRow->addWidget(browse_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(about_);
    buttons->addStretch(1);
    buttons->addWidget(transfer_);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(TransferText(kIdOldFolderLabel), this));
    layout->addLayout(folderRow);
    layout->addWidget(statusField_);
    layout->addWidget(titles);
    layout->addWidget(description);
    layout->addWidget(locations);
    layout->addWidget(WrappedText(kIdDataFolderLabel, this));
    layout->addWidget(dataFolderField_);
    layout->addLayout(buttons);

    connect(browse_, &QPushButton::clicked, this, &CDataCarryDlg::Browse);
    connect(transfer_, &QPushButton::clicked, this, &CDataCarryDlg::Transfer);
    connect(about_, &QPushButton::clicked, this, &CDataCarryDlg::About);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
}

void CDataCarryDlg::Browse() {
    CFolderDlg chooser(oldFolder_, this);
    if (chooser.DoModal() != CFolderDlg::kChosen)
        return;
    oldFolder_ = chooser.Path();
    folderField_->setText(oldFolder_);
    const bool found = HoldsOldFiles(oldFolder_.toStdString());
    transfer_->setEnabled(found);
    statusField_->setText(TransferText(found ? kIdOldFolderFound : kIdNotOldFolder));
}

void CDataCarryDlg::Transfer() {
    EVENT_CARRY_CHOICES choices;
    choices.hebrewTitles = hebrew_->isChecked();
    choices.titleAsDescription = titleAsDescription_->isChecked();
    const TRANSFER_REPORT report = RunTransfer(oldFolder_.toStdString(), dataFolder_, choices);
    for (const TRANSFER_MESSAGE& message : TransferMessages(report)) {
        // The old files' warnings stand on their own; the outcome belongs to the dialog.
        QWidget* owner = message.kind == MessageKind::Warning ? nullptr : this;
        ShowTransferMessage(owner, message.kind, Q(message.caption), Q(message.text));
    }
}

void CDataCarryDlg::About() {
    CAbout about(this);
    RunTransferModal(about);
}

} // namespace vessant::transfer

#include "transfer/FolderDlg.h"

#include "transfer/TransferMessages.h"
#include "transfer/convert/TransferTextIds.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <utility>

namespace vessant::transfer {
namespace {

std::function<std::optional<QString>(const QString&)>& ChooserHook() {
    static std::function<std::optional<QString>(const QString&)> hook;
    return hook;
}

} // namespace

CFolderDlg::CFolderDlg(QString initialFolder, QWidget* owner)
    : initial_(std::move(initialFolder)), owner_(owner) {}

QString CFolderDlg::StartFolder() const {
    return !initial_.isEmpty() && QFileInfo(initial_).isDir() ? initial_ : QDir::currentPath();
}

int CFolderDlg::DoModal() {
    std::optional<QString> chosen;
    if (ChooserHook()) {
        chosen = ChooserHook()(StartFolder());
    } else {
        // Read-only: the chooser offers no way to make a folder.
        const QString folder = QFileDialog::getExistingDirectory(
            owner_, TransferText(kIdFolderChooserCaption), StartFolder(),
            QFileDialog::ShowDirsOnly | QFileDialog::ReadOnly);
        if (!folder.isEmpty())
            chosen = folder;
    }
    if (!chosen)
        return kCancelled;
    path_ = QDir::toNativeSeparators(*chosen);
    return kChosen;
}

void CFolderDlg::SetChooserHook(std::function<std::optional<QString>(const QString&)> hook) {
    ChooserHook() = std::move(hook);
}

} // namespace vessant::transfer

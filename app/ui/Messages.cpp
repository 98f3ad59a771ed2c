#include "app/ui/Messages.h"

#include "app/ui/UiText.h"
#include "app/ui/UiTextIds.h"
#include "calendar/TextTemplate.h"

#include <QDialog>
#include <QMessageBox>

namespace vessant::ui {
namespace {

std::function<void(MessageKind, const QString&, const QString&)>& MessageHook() {
    static std::function<void(MessageKind, const QString&, const QString&)> hook;
    return hook;
}

std::function<int(QDialog&)>& ModalHook() {
    static std::function<int(QDialog&)> hook;
    return hook;
}

} // namespace

void ShowMessage(QWidget* parent, MessageKind kind, const QString& caption, const QString& text) {
    if (MessageHook()) {
        MessageHook()(kind, caption, text);
        return;
    }
    if (kind == MessageKind::Warning)
        QMessageBox::warning(parent, caption, text);
    else
        QMessageBox::information(parent, caption, text);
}

int RunModal(QDialog& dialog) {
    if (ModalHook())
        return ModalHook()(dialog);
    return dialog.exec();
}

void ReportSaveFailure(QWidget* parent, const std::filesystem::path& file, std::error_code error) {
    const std::wstring reason = QString::fromStdString(error.message()).toStdWString();
    const QString text = Q(FormatTemplate(UiText(kIdCannotSave).toStdWString(), {file.wstring(), reason}));
    ShowMessage(parent, MessageKind::Warning, UiText(kIdSavingFailed), text + QStringLiteral("\n\n") + UiText(kIdChangesKept));
}

void ReportExportFailure(QWidget* parent, const std::filesystem::path& file, std::error_code error) {
    const std::wstring reason = QString::fromStdString(error.message()).toStdWString();
    ShowMessage(parent, MessageKind::Warning, UiText(kIdExport),
                Q(FormatTemplate(UiText(kIdCannotExport).toStdWString(), {file.wstring(), reason})));
}

void SetMessageHook(std::function<void(MessageKind, const QString&, const QString&)> hook) {
    MessageHook() = std::move(hook);
}

void SetModalHook(std::function<int(QDialog&)> hook) { ModalHook() = std::move(hook); }

} // namespace vessant::ui

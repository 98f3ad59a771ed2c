#pragma once
// Message boxes and modal dialogs of the transfer program go through here, so the GUI
// tests can see them without a nested event loop blocking the test. Also the program's
// texts and icon as Qt values.

#include "transfer/convert/Transfer.h"

#include <QIcon>
#include <QString>

#include <functional>

class QDialog;
class QWidget;

namespace vessant::transfer {

// The text of a resource id.
QString TransferText(int resourceId);
inline QString Q(const std::wstring& text) { return QString::fromStdWString(text); }

// The program's icon, drawn rather than loaded: an arrow carrying a page across.
QIcon TransferIcon();

// A plain message box with an OK button; parent nullptr for one without an owner.
void ShowTransferMessage(QWidget* parent, MessageKind kind, const QString& caption, const QString& text);
// Runs a dialog modally and returns its result.
int RunTransferModal(QDialog& dialog);

// Replace the message boxes and modal runs (tests); empty functions restore them.
void SetTransferMessageHook(std::function<void(MessageKind, const QString& caption, const QString& text)> hook);
void SetTransferModalHook(std::function<int(QDialog&)> hook);

} // namespace vessant::transfer

#pragma once
// Message boxes and modal dialogs go through here, so the GUI tests can see them without
// a nested event loop blocking the test.

#include <QString>

#include <filesystem>
#include <functional>
#include <system_error>

class QDialog;
class QWidget;

namespace vessant::ui {

enum class MessageKind { Information, Warning };

void ShowMessage(QWidget* parent, MessageKind kind, const QString& caption, const QString& text);
// Runs a dialog modally and returns its result.
int RunModal(QDialog& dialog);

// A store's file could not be saved: tells the user which file and why.
void ReportSaveFailure(QWidget* parent, const std::filesystem::path& file, std::error_code error);

// The year export could not create or finish its file.
void ReportExportFailure(QWidget* parent, const std::filesystem::path& file, std::error_code error);

// Replaces the message boxes and the modal runs (tests); empty functions restore them.
void SetMessageHook(std::function<void(MessageKind, const QString& caption, const QString& text)> hook);
void SetModalHook(std::function<int(QDialog&)> hook);

} // namespace vessant::ui

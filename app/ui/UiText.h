#pragma once
// Texts of the calendar window. Every visible label comes from the string table by
// resource id, so a language module can replace it; the ids of 20000 and up are the
// window's own texts (UiStrings.inc), which the string table does not carry in English.

#include <QString>

namespace vessant::ui {

// The text of a resource id: the loaded language's, else the window's own English text.
QString UiText(int resourceId);

// The part of a command's string before its newline (the status-bar prompt, without the
// leading blank) and after it (the tool tip).
QString CommandPrompt(int commandId);
QString CommandTip(int commandId);

// Wide text from the engines to Qt.
inline QString Q(const std::wstring& text) { return QString::fromStdWString(text); }

} // namespace vessant::ui

#pragma once
// Texts of the calendar window. Every visible label comes from the string table by
// resource id, so a language module can replace it; the window's own texts have ids from
// 20000 up, grouped by window (20000 menus, 20100 "New features!", 20200 About, 20300
// quick location, 20400 acknowledgments, 20500 message boxes, 20600 reminder window,
// 20700 donation).

#include <QString>

namespace vessant::ui {

// The text of a resource id: the loaded language's, else the built-in English text.
QString UiText(int resourceId);

// The part of a command's string before its newline (the status-bar prompt, without the
// leading blank) and after it (the tool tip).
QString CommandPrompt(int commandId);
QString CommandTip(int commandId);

// Wide text from the engines to Qt.
inline QString Q(const std::wstring& text) { return QString::fromStdWString(text); }

} // namespace vessant::ui

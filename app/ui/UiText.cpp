#include "app/ui/UiText.h"

#include "text/TextTable.h"

namespace vessant::ui {

QString UiText(int resourceId) { return Q(TextOfResource(resourceId)); }

QString CommandPrompt(int commandId) {
    const QString all = UiText(commandId);
    return all.section(QLatin1Char('\n'), 0, 0).trimmed();
}

QString CommandTip(int commandId) {
    const QString all = UiText(commandId);
    const int newline = all.indexOf(QLatin1Char('\n'));
    return newline < 0 ? all.trimmed() : all.mid(newline + 1);
}

} // namespace vessant::ui

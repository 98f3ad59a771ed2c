#include "app/ui/UiText.h"

#include "text/TextTable.h"

#include <unordered_map>

namespace vessant::ui {
namespace {

const std::unordered_map<int, const wchar_t*>& OwnTexts() {
    static const std::unordered_map<int, const wchar_t*> texts = {
#include "app/ui/UiStrings.inc"
    };
    return texts;
}

} // namespace

QString UiText(int resourceId) {
    const std::wstring& loaded = TextOfResource(resourceId);
    if (!loaded.empty())
        return Q(loaded);
    const auto& own = OwnTexts();
    if (auto it = own.find(resourceId); it != own.end())
        return QString::fromWCharArray(it->second);
    return {};
}

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

#include "app/ui/DayDetailsBar.h"

#include "app/ui/PanelIcons.h"
#include "app/ui/UiTextIds.h"
#include "dayview/DayBuilder.h"

namespace vessant::ui {
namespace {

std::vector<QIcon> DayImages() {
    std::vector<QIcon> images;
    for (int i = 0; i < kDayImageCount; ++i)
        images.push_back(DayPanelImage(i));
    return images;
}

} // namespace

CDayDetailsBar::CDayDetailsBar(QWidget* parent)
    : CDetailsBar(kIdDayDetailsCaption, QStringLiteral("dayDetailsBar"), DayImages(), parent) {}

void CDayDetailsBar::Fill(const DATE_STRUCT& date, const DAY_INPUTS& inputs, int clockFormat, int fontSize) {
    SetListFont(fontSize, inputs.hebrewInterface);
    CDayBuilder(inputs, TimesView::WholeDay).Build(date, kParts, day_);
    Show(DayDetailsItems(day_, clockFormat, inputs.hebrewInterface));
}

} // namespace vessant::ui

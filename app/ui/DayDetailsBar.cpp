#include "app/ui/DayDetailsBar.h"

#include "app/ui/PanelIcons.h"
#include "app/ui/UiTextIds.h"
#include "dayview/DayBuilder.h"

namespace vessant::ui {
CDayDetailsBar::CDayDetailsBar(QWidget* parent)
    : CDetailsBar(kIdDayDetailsCaption, QStringLiteral("dayDetailsBar"), PanelImages(kDayImageCount, DayPanelImage), parent) {}

void CDayDetailsBar::Fill(const DATE_STRUCT& date, const DAY_INPUTS& inputs, int clockFormat, int fontSize) {
    SetListFont(fontSize, inputs.hebrewInterface);
    CDayBuilder(inputs, TimesView::WholeDay).Build(date, kParts, day_);
    Show(DayDetailsItems(day_, clockFormat, inputs.hebrewInterface));
}

} // namespace vessant::ui

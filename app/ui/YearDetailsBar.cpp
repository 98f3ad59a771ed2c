#include "app/ui/YearDetailsBar.h"

#include "app/ui/PanelIcons.h"
#include "app/ui/UiTextIds.h"

namespace vessant::ui {
CYearDetailsBar::CYearDetailsBar(QWidget* parent)
    : CDetailsBar(kIdYearDetailsCaption, QStringLiteral("yearDetailsBar"), PanelImages(kYearImageCount, YearPanelImage), parent) {}

void CYearDetailsBar::Fill(const DATE_STRUCT& date, int transition, int fontSize, bool hebrewInterface) {
    SetListFont(fontSize, hebrewInterface);
    year_ = BuildYearDetails(date.hebYear, transition);
    Show(YearDetailsItems(year_, hebrewInterface));
}

} // namespace vessant::ui

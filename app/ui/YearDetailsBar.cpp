#include "app/ui/YearDetailsBar.h"

#include "app/ui/PanelIcons.h"
#include "app/ui/UiTextIds.h"

namespace vessant::ui {
namespace {

std::vector<QIcon> YearImages() {
    std::vector<QIcon> images;
    for (int i = 0; i < kYearImageCount; ++i)
        images.push_back(YearPanelImage(i));
    return images;
}

} // namespace

CYearDetailsBar::CYearDetailsBar(QWidget* parent)
    : CDetailsBar(kIdYearDetailsCaption, QStringLiteral("yearDetailsBar"), YearImages(), parent) {}

void CYearDetailsBar::Fill(const DATE_STRUCT& date, int transition, int fontSize, bool hebrewInterface) {
    SetListFont(fontSize, hebrewInterface);
    year_ = BuildYearDetails(date.hebYear, transition);
    Show(YearDetailsItems(year_, hebrewInterface));
}

} // namespace vessant::ui

#include "app/ui/DetailsBar.h"

#include "app/ui/HtmlList.h"
#include "app/ui/UiText.h"

namespace vessant::ui {

CDetailsBar::CDetailsBar(int captionId, const QString& name, std::vector<QIcon> images, QWidget* parent)
    : QDockWidget(UiText(captionId), parent), images_(std::move(images)) {
    setObjectName(name);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    list_ = new CHtmlList(this);
    list_->setObjectName(name + QStringLiteral("List"));
    setWidget(list_);
}

void CDetailsBar::SetListFont(int sizeSetting, bool hebrewInterface) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(DetailsFontTenths(sizeSetting, hebrewInterface) / 10.0);
    if (font != list_->font())
        list_->setFont(font);
}

void CDetailsBar::Show(const std::vector<DETAILS_ITEM>& items) {
    std::vector<CHtmlList::ENTRY> entries;
    entries.reserve(items.size());
    for (const DETAILS_ITEM& item : items) {
        const bool known = item.image >= 0 && static_cast<std::size_t>(item.image) < images_.size();
        entries.push_back({known ? images_[static_cast<std::size_t>(item.image)] : QIcon(), item.markup});
    }
    list_->SetEntries(std::move(entries));
}

} // namespace vessant::ui

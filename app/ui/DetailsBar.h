#pragma once
// What the two details panels share: a docking panel (caption, gripper, left or right
// edge, floating, closable) filled by one rich-text list, with the panels' font rule.

#include "app/ui/DetailsMarkup.h"

#include <QDockWidget>
#include <QIcon>

#include <vector>

namespace vessant::ui {

class CHtmlList;

class CDetailsBar : public QDockWidget {
    Q_OBJECT
public:
    CHtmlList* List() const { return list_; }
    // The font of the list: "Arial" by the "Size" setting and the interface language.
    void SetListFont(int sizeSetting, bool hebrewInterface);

protected:
    // images[i] is the image of item image number i.
    CDetailsBar(int captionId, const QString& name, std::vector<QIcon> images, QWidget* parent);

    void Show(const std::vector<DETAILS_ITEM>& items);

private:
    CHtmlList* list_ = nullptr;
    std::vector<QIcon> images_;
};

} // namespace vessant::ui

#include "app/ui/DateStepper.h"

#include <QToolButton>

namespace vessant::ui {

CDateStepper::CDateStepper(int id, QWidget* parent) : QWidget(parent), id_(id) {
    up_ = new QToolButton(this);
    down_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIconSize(QSize(7, 7));
    }
    setObjectName(QStringLiteral("stepper%1").arg(id));
    up_->setObjectName(objectName() + QStringLiteral("Up"));
    down_->setObjectName(objectName() + QStringLiteral("Down"));
    connect(up_, &QToolButton::clicked, this, [this] { Q_EMIT Stepped(id_, +1); });
    connect(down_, &QToolButton::clicked, this, [this] { Q_EMIT Stepped(id_, -1); });
}

void CDateStepper::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

} // namespace vessant::ui

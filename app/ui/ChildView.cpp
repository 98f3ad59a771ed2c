#include "app/ui/ChildView.h"

#include "app/ui/DateStepper.h"
#include "app/ui/UiText.h"
#include "app/ui/UiTextIds.h"
#include "calendar/DateOperations.h"
#include "text/TextTable.h"
#include "userdata/EventList.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace vessant::ui {

CChildView::CChildView(OPTIONS_STRUCT& options, const LOC_STRUCT& location, QWidget* parent)
    : QWidget(parent), options_(options) {
    setObjectName(QStringLiteral("monthView"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    table_.SetOptions(&options_);
    table_.SetGregorianTransition(options_.gregorianTransition);
    table_.SetLocation(location);
    const int mode = options_.view == 2 ? kModeCivil : kModeHebrew;
    table_.SetMode(mode);
    for (int i = 0; i < 8; ++i) {
        auto* stepper = new CDateStepper(200 + i, this);
        connect(stepper, &CDateStepper::Stepped, this, &CChildView::Step);
        steppers_[static_cast<std::size_t>(i)] = stepper;
    }
    // Going to today: the Hebrew month's today begins at nightfall.
    DATE_STRUCT today;
    SetTransition(today, options_.gregorianTransition);
    SetToday(today);
    if (mode == kModeHebrew)
        today = table_.TodayAfterNightfall();
    table_.SetSelectedDate(today);
    table_.Refresh();
}

CDateStepper* CChildView::Stepper(int id) const {
    return id >= 200 && id <= 207 ? steppers_[static_cast<std::size_t>(id - 200)] : nullptr;
}

void CChildView::RefreshMonth() {
    table_.SetGregorianTransition(options_.gregorianTransition);
    table_.Refresh();
    table_.BuildFonts();
    update();
}

void CChildView::GoToDate(const DATE_STRUCT& target) {
    if (target.dayNumber == Selected().dayNumber)
        return;
    const int oldYear = Selected().hebYear;
    table_.SetSelectedDate(target);
    table_.Refresh();
    update();
    Q_EMIT SelectionChanged(target.hebYear != oldYear);
}

void CChildView::GoToday() {
    const int oldYear = Selected().hebYear;
    table_.SelectCell(0, 0);
    DATE_STRUCT today;
    SetTransition(today, options_.gregorianTransition);
    SetToday(today);
    if (Mode() == kModeHebrew)
        today = table_.TodayAfterNightfall();
    table_.SetSelectedDate(today);
    table_.Refresh();
    update();
    Q_EMIT SelectionChanged(today.hebYear != oldYear);
    setFocus();
}

void CChildView::SetMode(int mode) {
    table_.SetMode(mode);
    table_.Refresh();
    update();
    Q_EMIT ModeChanged(mode);
    Q_EMIT SelectionChanged(false);
}

void CChildView::SetLocation(const LOC_STRUCT& location) {
    table_.SetLocation(location);
    table_.Refresh();
    update();
    Q_EMIT SelectionChanged(false);
}

void CChildView::Tick() {
    table_.Refresh();
    update();
}

void CChildView::RepaintCell(int n) {
    if (n >= 1 && n <= kGridCells)
        update(table_.CellRect(n));
}

void CChildView::SelectAt(const QPoint& point) {
    const int n = table_.HitTest(point.x(), point.y());
    if (n < 0 || n == table_.SelectedCell())
        return;
    const int oldYear = Selected().hebYear;
    RepaintCell(table_.SelectedCell());
    RepaintCell(n);
    table_.SelectCell(n, 1);
    update(table_.ZmanimBoxRect());
    update(table_.TitleRect());
    Q_EMIT SelectionChanged(Selected().hebYear != oldYear);
}

void CChildView::JumpToMitzvah(int years) {
    CEventList& events = UserEvents();
    SetTransition(events.DayBeingTested(), options_.gregorianTransition);
    if (events.JumpToBarMitzvahDate(Selected().dayNumber, years))
        GoToDate(events.DayBeingTested());
}

void CChildView::Step(int stepperId, int direction) {
    DATE_STRUCT date = Selected();
    switch (stepperId) {
    case 200:
    case 204: AddDays(date, direction); break;
    case 201: StepCivilMonth(date, direction); break;
    case 205: StepHebrewMonth(date, direction); break;
    case 202: AddCivilYears(date, direction); break;
    case 206: AddHebrewYears(date, direction); break;
    case 203: AddCivilYears(date, 10 * direction); break;
    case 207: AddHebrewYears(date, 10 * direction); break;
    default: return;
    }
    GoToDate(date);
}

void CChildView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    table_.Draw(painter);
}

void CChildView::resizeEvent(QResizeEvent*) {
    table_.SizeTo(width(), height());
    PlaceSteppers();
}

void CChildView::PlaceSteppers() {
    const auto& x = table_.TitleLayout();
    const int top = 5;
    const int height = std::max(4, table_.GetTitleHeight() - 10);
    const int b = x[0], c = x[1], d = x[2];
    const int w = table_.Width();
    const struct {
        int id, left, width;
    } places[8] = {{200, b, 15},          {201, c, 15},          {202, d + 20, 15},
                   {203, d, 20},          {204, w - b - 15, 15}, {205, w - c - 15, 15},
                   {206, w - d - 35, 15}, {207, w - d - 20, 20}};
    for (const auto& place : places)
        Stepper(place.id)->setGeometry(place.left, top, place.width, height);
}

void CChildView::keyPressEvent(QKeyEvent* event) {
    const bool hebrew = Mode() == kModeHebrew;
    DATE_STRUCT date = Selected();
    switch (event->key()) {
    case Qt::Key_PageUp:
        hebrew ? StepHebrewMonth(date, -1) : StepCivilMonth(date, -1);
        break;
    case Qt::Key_PageDown:
        hebrew ? StepHebrewMonth(date, +1) : StepCivilMonth(date, +1);
        break;
    case Qt::Key_Home:
        hebrew ? AddHebrewYears(date, -1) : AddCivilYears(date, -1);
        break;
    case Qt::Key_End:
        hebrew ? AddHebrewYears(date, +1) : AddCivilYears(date, +1);
        break;
    case Qt::Key_Left: AddDays(date, hebrew ? +1 : -1); break;
    case Qt::Key_Right: AddDays(date, hebrew ? -1 : +1); break;
    case Qt::Key_Up: AddDays(date, -7); break;
    case Qt::Key_Down: AddDays(date, +7); break;
    default: QWidget::keyPressEvent(event); return;
    }
    GoToDate(date);
}

void CChildView::mousePressEvent(QMouseEvent* event) {
    setFocus();
    if (event->button() == Qt::LeftButton)
        SelectAt(event->position().toPoint());
}

void CChildView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    SelectAt(point);
    if (table_.HitTest(point.x(), point.y()) >= 0)
        Q_EMIT DayDoubleClicked();
}

void CChildView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton)
        return;
    const QPoint point = event->position().toPoint();
    SelectAt(point);
    if (table_.HitTest(point.x(), point.y()) < 0)
        return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("cellMenu"));
    menu.addAction(UiText(kIdPopupDayDetails), this, [this] { Q_EMIT DayDetailsRequested(); });
    menu.addSeparator();
    menu.addAction(UiText(kIdJumpToBarMitzvah), this, [this] { JumpToMitzvah(13); });
    menu.addAction(UiText(kIdJumpToBatMitzvah), this, [this] { JumpToMitzvah(12); });
    const QPoint at(point.x() + table_.GetCellWidth() / 3, point.y() + table_.GetCellHeight() * 3 / 2);
    menu.exec(mapToGlobal(at));
}

void CChildView::mouseMoveEvent(QMouseEvent* event) {
    if (!options_.hoverEnabled)
        return;
    const QPoint point = event->position().toPoint();
    int n = table_.HitTest(point.x(), point.y());
    if (n < 0)
        n = 0;
    if (n == table_.GetHover())
        return;
    RepaintCell(table_.GetHover());
    RepaintCell(n);
    table_.SetHover(n);
    Q_EMIT HoverChanged(n);
}

void CChildView::leaveEvent(QEvent*) {
    if (table_.GetHover() == 0)
        return;
    RepaintCell(table_.GetHover());
    table_.SetHover(0);
    Q_EMIT HoverChanged(0);
}

} // namespace vessant::ui

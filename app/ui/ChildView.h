#pragma once
// The month view: owns the month table, turns keys, clicks, hovering and the date steppers
// into navigation, and tells the frame when the panes must change.

#include "app/ui/MonthScreen.h"

#include <QWidget>

#include <array>

namespace vessant::ui {

class CDateStepper;

class CChildView : public QWidget {
    Q_OBJECT
public:
    CChildView(OPTIONS_STRUCT& options, const LOC_STRUCT& location, QWidget* parent = nullptr);

    CMonthScreen& Table() { return table_; }
    const CMonthScreen& Table() const { return table_; }
    int Mode() const { return table_.Mode(); }
    const DATE_STRUCT& Selected() const { return table_.SelectedDate(); }
    const LOC_STRUCT& Location() const { return table_.Location(); }

    // The commands of the view.
    void GoToDate(const DATE_STRUCT& target);
    void GoToday();
    void SetMode(int mode);
    void SetLocation(const LOC_STRUCT& location);
    // Settings changed: the table reads them again.
    void RefreshMonth();
    // The minute timer: today again, so the today mark follows the clock.
    void Tick();
    // Selecting the cell under a point of the view.
    void SelectAt(const QPoint& point);
    // Bar (13) or bat (12) mitzvah of the selected day taken as a date of birth.
    void JumpToMitzvah(int years);
    CDateStepper* Stepper(int id) const;

Q_SIGNALS:
    // The selected day changed (panes 104, 105 when hover is off, and 107).
    void SelectionChanged(bool hebrewYearChanged);
    // The mouse moved onto another dated cell (cell > 0) or off the cells (0).
    void HoverChanged(int cell);
    void ModeChanged(int mode);
    // A dated cell was double-clicked (the "Day double click" setting decides what follows).
    void DayDoubleClicked();
    // The cell's popup menu asked for the day-details panel.
    void DayDetailsRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void Step(int stepperId, int direction);
    void PlaceSteppers();
    void RepaintCell(int n);

    OPTIONS_STRUCT& options_;
    CMonthScreen table_;
    std::array<CDateStepper*, 8> steppers_{};
};

} // namespace vessant::ui

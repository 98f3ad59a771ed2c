#pragma once
// A small up-and-down arrow pair in the title band that steps the selected date by a day,
// month, year or ten years. The up arrow moves later, the down arrow earlier.

#include <QWidget>

class QToolButton;

namespace vessant::ui {

class CDateStepper : public QWidget {
    Q_OBJECT
public:
    CDateStepper(int id, QWidget* parent);
    int Id() const { return id_; }

Q_SIGNALS:
    // +1 later, -1 earlier.
    void Stepped(int id, int direction);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int id_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace vessant::ui

#pragma once

#include "elements/Clock.h"

#include <QLineEdit>

namespace aerolap {

/// The operator's field of a clock component. The operator types a time, with or without the
/// full stops, or steps the hours, minutes or seconds with the arrow keys or the mouse wheel; the
/// clock hears of each committed change once (Enter, leaving the field, a step), never of a
/// half-typed value. Writes made by code are shown as they happen. What the clock does with a
/// commit is left to its handlers.
class ClockEdit final : public QLineEdit {
    Q_OBJECT

public:
    explicit ClockEdit(Clock& clock, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void commit();
    void step(int direction);
    void showClockText();

    Clock& m_clock;
};

} // namespace aerolap

#include "ClockEdit.h"

#include "Follow.h"
#include "elements/TimeText.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QWheelEvent>
#include <algorithm>
#include <array>

namespace aerolap {

namespace {

constexpr int kLongestText = 8;

enum class Unit { Hours, Minutes, Seconds };

int secondsPer(Unit unit) {
    constexpr std::array<int, 3> kSecondsPerUnit{3600, 60, 1};
    return kSecondsPerUnit[static_cast<std::size_t>(unit)];
}

/// Where the cursor stands in "hh.mm.ss" (or in the six bare digits being typed).
Unit unitAt(const QString& text, qsizetype cursor) {
    qsizetype index = 0;
    if (text.contains(QLatin1Char('.'))) {
        // Each full stop left of the cursor moves one unit on: hours, then minutes, then seconds.
        index = text.left(cursor).count(QLatin1Char('.'));
    } else {
        // Two digits per unit; a cursor right after a pair still belongs to it.
        index = (std::max<qsizetype>(cursor, 1) - 1) / 2;
    }
    return static_cast<Unit>(std::clamp<qsizetype>(index, 0, 2));
}

/// The cursor position at the end of a unit's two digits in "hh.mm.ss".
int cursorAfter(Unit unit) {
    return static_cast<int>(unit) * 3 + 2;
}

} // namespace

ClockEdit::ClockEdit(Clock& clock, QWidget* parent) : QLineEdit(parent), m_clock(clock) {
    setAlignment(Qt::AlignCenter);
    setMaxLength(kLongestText);
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]{0,8}")), this));
    setReadOnly(!clock.editable());
    showClockText();

    // The clock outlives the field in the program, but not necessarily in every composition.
    follow(clock.textWritten, this, [this] { showClockText(); });
}

void ClockEdit::showClockText() {
    const int cursor = cursorPosition();
    setText(QString::fromStdString(m_clock.clockTimeText()));
    setCursorPosition(cursor);
}

void ClockEdit::commit() {
    if (isReadOnly()) {
        return;
    }
    const auto typed = TimeText::fromTyped(text().toStdString());
    if (typed && *typed != m_clock.clockTimeText()) {
        m_clock.commitEdit(*typed);
    }
    // Invalid text goes back to the clock's time; a valid one takes its canonical form, or the
    // form a handler gave it while the commit ran.
    showClockText();
}

void ClockEdit::step(int direction) {
    if (isReadOnly()) {
        return;
    }
    // A step starts from what the field shows when that is a time, else from the clock.
    const auto typed = TimeText::fromTyped(text().toStdString());
    const auto from = TimeText::toSeconds(typed ? *typed : m_clock.clockTimeText());
    if (!from) {
        return;
    }
    const Unit unit = unitAt(text(), cursorPosition());
    setText(QString::fromStdString(TimeText::fromSeconds(*from + direction * secondsPer(unit))));
    // Keep the cursor in the unit being stepped, so repeated steps go on with it.
    setCursorPosition(cursorAfter(unit));
    commit();
}

void ClockEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        commit();
        // Consumed here: Enter in the field must never reach a default button.
        event->accept();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        step(event->key() == Qt::Key_Up ? +1 : -1);
        event->accept();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void ClockEdit::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0 || isReadOnly()) {
        QLineEdit::wheelEvent(event);
        return;
    }
    step(delta > 0 ? +1 : -1);
    event->accept();
}

void ClockEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu or a completer popup takes the focus only for a moment: the edit goes on.
    if (event->reason() != Qt::PopupFocusReason) {
        commit();
    }
}

} // namespace aerolap

#pragma once

#include "elements/Signal.h"
#include "elements/VisibleElement.h"

#include <QPointer>
#include <QWidget>

namespace aerolap {

/// Connects `update` to a signal of an element for as long as `widget` exists: elements know
/// nothing of the widgets that show them and never disconnect.
template <typename... Args, typename Update>
void follow(Signal<Args...>& signal, QWidget* widget, Update update) {
    signal.connect([guard = QPointer<QWidget>(widget), update](Args... args) {
        if (guard) {
            update(args...);
        }
    });
}

/// Shows `widget` while `element` is visible.
inline void followVisibility(QWidget* widget, VisibleElement& element) {
    widget->setVisible(element.visible());
    follow(element.visibilityChanged, widget,
           [widget](bool visible) { widget->setVisible(visible); });
}

} // namespace aerolap

#pragma once

#include "elements/CheckBox.h"
#include "elements/Clock.h"
#include "elements/ComboBox.h"
#include "elements/CommandButton.h"
#include "elements/Label.h"
#include "elements/OptionButton.h"
#include "elements/Window.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QRect>

namespace aerolap {

// The widgets that show window elements. Each one carries its element's name as object name,
// sits where the layout puts it (in pixels), follows its element's changes for as long as it
// exists and hands the operator's clicks, picks and edits to the element; every behaviour lives
// in the handlers behind the elements.

template <typename Widget> Widget* place(Widget* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

/// Paints `role` of `widget` in `colour`, the rest of its palette left as it was.
void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

/// Gives `widget` the window's title and shows it while the window is visible.
void followWindow(QWidget* widget, Window& window);

QLabel* addLabel(QWidget* container, Label& label, const char* name, const QRect& geometry,
                 const QFont& font, Qt::Alignment alignment = Qt::AlignLeft);
QPushButton* addButton(QWidget* container, CommandButton& button, const char* name,
                       const QRect& geometry, const QFont& font);
void addCheckBox(QWidget* container, CheckBox& box, const char* name, const QRect& geometry);
void addOption(QWidget* container, OptionButton& option, const char* name, const QRect& geometry);
void addComboBox(QWidget* container, ComboBox& combo, const char* name, const QRect& geometry);
void addClock(QWidget* container, Clock& clock, const char* name, const QRect& geometry);
/// A one-pixel line between two points given in twips, in the default line colour.
void addLine(QWidget* container, const char* name, QPoint from, QPoint to);

} // namespace aerolap

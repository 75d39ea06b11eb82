#pragma once

#include <QStringList>

class QWidget;

namespace aerolap::testing {

/// Every text of `window` that does not fit the room its layout gave it, each named with its
/// widget, its text and the size it needed against the size it got: labels (a wrapped one by the
/// height its width needs), buttons, check and radio boxes, line edits' texts and placeholders,
/// combo and spin boxes, and the sections of table and tree headers. Only what shows is checked.
QStringList clippedTexts(const QWidget& window);

} // namespace aerolap::testing

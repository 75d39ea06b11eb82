#pragma once

#include <QPixmap>

namespace aerolap {

/// The about box's 32 x 32 icon, drawn at run time in the sixteen-colour palette: a round white
/// alarm clock with a four-digit display, in grey and white.
QPixmap aboutIcon();

} // namespace aerolap

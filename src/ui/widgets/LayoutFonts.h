#pragma once

#include <QFont>
#include <QString>

namespace aerolap {

/// The windows were laid out in Arial and MS Sans Serif; these are the families that stand in for
/// them on the system the program runs on, chosen once by the composition.
struct LayoutFonts {
    QString arial;
    QString msSansSerif;
};

/// The system default font the windows were laid out with, for the elements that name no font of
/// their own: MS Sans Serif at 8 pt.
QFont systemDefaultFont(const LayoutFonts& fonts);

/// `family` at `points`, falling back on the system's sans-serif face where it is missing.
QFont layoutFont(const QString& family, qreal points, bool bold = false, bool italic = false);

/// The face of what the program prints (the draw, results): the system's own, which has the
/// letters of every pilot's name that the system can show.
QFont printFont(qreal points, bool bold = false);

} // namespace aerolap

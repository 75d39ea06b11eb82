#include "LayoutFonts.h"

namespace aerolap {

QFont layoutFont(const QString& family, qreal points, bool bold, bool italic) {
    QFont font{family};
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace aerolap

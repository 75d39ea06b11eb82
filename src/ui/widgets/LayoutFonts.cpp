#include "LayoutFonts.h"

#include <QFontDatabase>

namespace aerolap {

QFont layoutFont(const QString& family, qreal points, bool bold, bool italic) {
    QFont font{family};
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont printFont(qreal points, bool bold) {
    return layoutFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(), points, bold);
}

QFont systemDefaultFont(const LayoutFonts& fonts) {
    return layoutFont(fonts.msSansSerif, 8.0);
}

} // namespace aerolap

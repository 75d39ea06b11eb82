#include "AboutIcon.h"

#include <QPainter>

namespace aerolap {
namespace {

// Colours of the classic sixteen-colour palette.
const QColor kWhite{255, 255, 255};
const QColor kSilver{192, 192, 192};
const QColor kGrey{128, 128, 128};
const QColor kBlack{0, 0, 0};

constexpr int kSize = 32;

void drawDigit(QPainter& painter, int left, int top) {
    // An "8" of seven segments, each one pixel wide: every segment lit, as on a display test.
    painter.drawLine(left, top, left + 2, top);
    painter.drawLine(left, top + 3, left + 2, top + 3);
    painter.drawLine(left, top + 6, left + 2, top + 6);
    painter.drawLine(left, top, left, top + 6);
    painter.drawLine(left + 2, top, left + 2, top + 6);
}

} // namespace

QPixmap aboutIcon() {
    QPixmap icon(kSize, kSize);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);

    // Bells and feet behind the body.
    painter.setPen(kBlack);
    painter.setBrush(kSilver);
    painter.drawEllipse(2, 1, 9, 9);
    painter.drawEllipse(20, 1, 9, 9);
    painter.setPen(QPen(kGrey, 2));
    painter.drawLine(8, 25, 5, 30);
    painter.drawLine(23, 25, 26, 30);

    // The round white body with its grey rim.
    painter.setPen(QPen(kGrey, 2));
    painter.setBrush(kWhite);
    painter.drawEllipse(3, 4, 25, 25);

    // The display window and its four digits.
    painter.setPen(kBlack);
    painter.setBrush(kGrey);
    painter.drawRect(7, 12, 17, 9);
    painter.setPen(kWhite);
    for (int digit = 0; digit < 4; ++digit) {
        drawDigit(painter, 9 + digit * 4, 13);
    }
    return icon;
}

} // namespace aerolap

#include "BackgroundPicture.h"

#include <QFont>
#include <QPainter>

namespace aerolap {

namespace {

constexpr QColor kField{128, 128, 128};
constexpr QColor kEllipse{212, 212, 212};
constexpr QColor kOutline{48, 48, 48};
constexpr QColor kLettering{0, 0, 0};
constexpr int kEllipseMargin = 6;
constexpr int kLetteringHeight = 46;
constexpr int kLetteringInset = 10;

void drawProductName(QPainter& painter, const QString& family) {
    static const QString name = QStringLiteral("AEROLAP");
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kLetteringHeight);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kLettering);

    // The letters are spread evenly from the top-left to the top-right corner.
    const QFontMetrics metrics(font);
    const int first = kLetteringInset;
    const int last = BackgroundPicture::kSize.width() - kLetteringInset;
    const int baseline = kLetteringInset + metrics.ascent();
    const auto count = name.size();
    const int lastWidth = metrics.horizontalAdvance(name.back());
    for (qsizetype i = 0; i < count; ++i) {
        const auto x = first + static_cast<int>(i * (last - lastWidth - first) / (count - 1));
        painter.drawText(x, baseline, QString(name[i]));
    }
}

} // namespace

QImage BackgroundPicture::render(const QString& family) {
    QImage picture(kSize, QImage::Format_RGB32);
    picture.fill(kField);

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(kEllipse);
    // On pixel centres, so that the one-pixel outline stays crisp where it runs straight.
    painter.drawEllipse(QRectF(kEllipseMargin + 0.5, kEllipseMargin + 0.5,
                               kSize.width() - 2 * kEllipseMargin - 1,
                               kSize.height() - 2 * kEllipseMargin - 1));
    drawProductName(painter, family);
    return picture;
}

} // namespace aerolap

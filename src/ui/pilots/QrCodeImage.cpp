#include "QrCodeImage.h"

#include <QPainter>
#include <memory>
#include <qrencode.h>

namespace aerolap {

namespace {
// The quiet zone the standard asks for around the code, in modules.
constexpr int kQuietModules = 4;
} // namespace

QImage qrCodeImage(const QString& text, int moduleSize) {
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(text.toUtf8().constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1),
        &QRcode_free);
    if (!code) {
        return {};
    }
    const int modules = code->width + 2 * kQuietModules;
    QImage image(modules * moduleSize, modules * moduleSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            // The lowest bit of each module's byte says whether it is dark.
            if ((code->data[y * code->width + x] & 1) != 0) {
                painter.fillRect((x + kQuietModules) * moduleSize, (y + kQuietModules) * moduleSize,
                                 moduleSize, moduleSize, Qt::black);
            }
        }
    }
    return image;
}

} // namespace aerolap

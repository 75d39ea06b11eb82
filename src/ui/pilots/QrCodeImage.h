#pragma once

#include <QImage>
#include <QString>

namespace aerolap {

/// `text` as a QR code, black on white with its quiet zone, `moduleSize` pixels to a module; a
/// null image when the text does not fit in a QR code.
QImage qrCodeImage(const QString& text, int moduleSize);

} // namespace aerolap

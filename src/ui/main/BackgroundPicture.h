#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace aerolap {

/// The main window's background artwork, drawn by the program rather than loaded from a file:
/// a mid-grey field, a large light-grey ellipse with a thin dark outline, and the product name
/// across the top corners. It is one pixel row shorter than the window's client area.
class BackgroundPicture {
public:
    static constexpr QSize kSize{730, 550};

    /// The product name is lettered in `family`, bold.
    static QImage render(const QString& family);
};

} // namespace aerolap

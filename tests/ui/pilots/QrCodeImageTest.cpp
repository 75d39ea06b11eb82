#include "ui/pilots/QrCodeImage.h"

#include <gtest/gtest.h>

namespace aerolap {
namespace {

// A reader finds the code by its finder patterns: a dark 7-module square with a light ring and a
// dark 3-module centre, in three corners, inside a light quiet zone of 4 modules.
TEST(QrCodeImage, DrawsTheFinderPatternsInsideTheQuietZone) {
    const QImage code = qrCodeImage(QStringLiteral("http://192.168.1.20:8080/"), 3);
    const int modules = code.width() / 3;
    const auto dark = [&](int x, int y) { return qGray(code.pixel(x * 3 + 1, y * 3 + 1)) < 128; };
    for (const auto& [left, top] : {std::pair{4, 4}, {modules - 11, 4}, {4, modules - 11}}) {
        EXPECT_FALSE(dark(left - 1, top - 1) || dark(0, top) || dark(left, modules - 1));
        EXPECT_TRUE(dark(left, top) && dark(left + 6, top + 6) && dark(left + 3, top + 3));
        EXPECT_FALSE(dark(left + 1, top + 1) || dark(left + 5, top + 5));
    }
}

} // namespace
} // namespace aerolap

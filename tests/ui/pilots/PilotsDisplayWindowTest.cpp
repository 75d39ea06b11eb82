// The "Pilots' display" window offscreen: its addresses, their QR codes, and the page switched off.
#include "ui/pilots/PilotsDisplayWindow.h"
#include "ui/pilots/QrCodeImage.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace aerolap {
namespace {

TEST(PilotsDisplayWindow, ListsEachAddressOrSaysWhyThePageIsOff) {
    const QStringList addresses{QStringLiteral("http://192.168.1.20:8080/"),
                                QStringLiteral("http://[fd00::2]:8080/")};
    const PilotsDisplayWindow on(addresses, {});
    QStringList shown;
    for (const QLabel* label : on.findChildren<QLabel*>(QStringLiteral("address"))) {
        shown << label->text();
    }
    EXPECT_EQ(shown, addresses);
    const PilotsDisplayWindow off({}, QStringLiteral("switched off"));
    EXPECT_TRUE(off.findChildren<QLabel*>(QStringLiteral("address")).isEmpty());
    EXPECT_EQ(off.findChild<QLabel*>()->text(), QStringLiteral("switched off"));
}

// A reader finds the code by its finder patterns: a dark 7-module square with a light ring and a
// dark 3-module centre, in three corners, inside a light quiet zone of 4 modules.
TEST(QrCodeImage, DrawsTheFinderPatternsInsideTheQuietZone) {
    constexpr int kModule = 3;
    const QImage code = qrCodeImage(QStringLiteral("http://192.168.1.20:8080/"), kModule);
    ASSERT_FALSE(code.isNull());
    const int modules = code.width() / kModule;
    const auto dark = [&](int x, int y) {
        return qGray(code.pixel(x * kModule + 1, y * kModule + 1)) < 128;
    };
    for (const auto& [left, top] : {std::pair{4, 4}, {modules - 11, 4}, {4, modules - 11}}) {
        EXPECT_FALSE(dark(left - 1, top - 1) || dark(0, top) || dark(left, modules - 1));
        EXPECT_TRUE(dark(left, top) && dark(left + 6, top + 6));
        EXPECT_FALSE(dark(left + 1, top + 1) || dark(left + 5, top + 5));
        EXPECT_TRUE(dark(left + 3, top + 3));
    }
}

} // namespace
} // namespace aerolap

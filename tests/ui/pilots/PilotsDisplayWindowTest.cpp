#include "ui/pilots/QrCodeImage.h"

#include "ui/pilots/PilotsDisplayWindow.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace aerolap {
namespace {

// A reader finds the code by its finder patterns: a dark 7-module square with a light ring and a
// dark 3-module centre, in three corners, inside a light quiet zone of 4 modules.
TEST(QrCodeImage, DrawsTheFinderPatternsInsideTheQuietZone) {
    const QImage code = qrCodeImage(QStringLiteral("http://192.168.1.20:8080/"), 3);
    const int modules = code.width() / 3;
    const auto dark = [&](int x, int y) { return qGray(code.pixel(x * 3 + 1, y * 3 + 1)) < 128; };
    for (int along = 0; along < modules; ++along) {
        for (const int across : {0, 3, modules - 4, modules - 1}) {
            EXPECT_FALSE(dark(along, across) || dark(across, along)) << along << "," << across;
        }
    }
    for (const auto& [left, top] : {std::pair{4, 4}, {modules - 11, 4}, {4, modules - 11}}) {
        EXPECT_TRUE(dark(left, top) && dark(left + 6, top + 6) && dark(left + 3, top + 3));
        EXPECT_FALSE(dark(left + 1, top + 1) || dark(left + 5, top + 5));
    }
}

TEST(PilotsDisplayWindow, ListsEachAddressWithItsCodeOrSaysWhyThePageIsOff) {
    const PilotsDisplayWindow off({}, QStringLiteral("Switched off (port 0)."));
    ASSERT_EQ(off.findChildren<QLabel*>().size(), 1);
    EXPECT_EQ(off.findChild<QLabel*>()->text(), QStringLiteral("Switched off (port 0)."));
    const QStringList addresses{"http://10.0.0.2:8080/", "http://192.168.1.20:8080/"};
    const PilotsDisplayWindow on(addresses, {});
    QStringList shown;
    int codes = 0;
    for (const QLabel* label : on.findChildren<QLabel*>()) {
        shown << (label->objectName() == "address" ? label->text() : QString());
        codes += label->pixmap().isNull() ? 0 : 1;
    }
    shown.removeAll(QString());
    EXPECT_EQ(shown, addresses);
    EXPECT_EQ(codes, 2);
}

} // namespace
} // namespace aerolap

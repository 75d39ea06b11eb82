// The "Director's remote" window, offscreen: the code while it shows, the devices with Revoke.
#include "ui/remote/DirectorsRemoteWindow.h"

#include "VirtualTime.h"

#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sstream>

namespace aerolap::testing {
namespace {

struct DirectorsRemote : ::testing::Test {
    QString shownCode() const { return window.findChild<QLabel*>("code")->text(); }
    QTableWidget& devices() const { return *window.findChild<QTableWidget*>("devices"); }

    VirtualTime time;
    std::ostringstream lines;
    NoticeBoard notices{time.wall, lines};
    QTemporaryDir folder;
    FileWriter files{notices};
    RemoteAccess access{time, time.wall, notices, folder.path().toStdString(), files};
    DirectorsRemoteWindow window{access, {"http://192.168.1.20:8080/remote"}, {}};
};

TEST_F(DirectorsRemote, PairsOnlyWhileShownAndListsEachDeviceWithItsRevoke) {
    EXPECT_FALSE(access.pairingCode());
    window.show();
    ASSERT_TRUE(access.pairingCode());
    EXPECT_EQ(shownCode().toStdString(), *access.pairingCode());

    ASSERT_TRUE(access.pair(*access.pairingCode(), "Phone").device);
    ASSERT_TRUE(access.pair(*access.pairingCode(), "Tablet").device);
    ASSERT_TRUE(QTest::qWaitFor([this] { return devices().rowCount() == 2; }, 1000));
    EXPECT_EQ(devices().item(1, 0)->text(), "Tablet");
    // The virtual day's 09:00 UTC, in the laptop's own time.
    EXPECT_EQ(
        devices().item(1, 1)->text(),
        QDateTime(QDate(2026, 6, 13), QTime(9, 0), Qt::UTC).toLocalTime().toString("HH:mm:ss"));
    EXPECT_EQ(shownCode().toStdString(), *access.pairingCode()) << "a fresh code after each";

    qobject_cast<QPushButton*>(devices().cellWidget(0, 3))->click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return devices().rowCount() == 1; }, 1000));
    EXPECT_EQ(devices().item(0, 0)->text(), "Tablet");
    EXPECT_EQ(access.devices().front().name, "Tablet");
    window.findChild<QPushButton*>("revokeAll")->click();
    EXPECT_TRUE(access.devices().empty());

    window.hide();
    EXPECT_FALSE(access.pairingCode());
    EXPECT_EQ(shownCode(), "------");
}

TEST(DirectorsRemoteOff, SaysWhyAndOpensNoPairing) {
    VirtualTime time;
    std::ostringstream lines;
    NoticeBoard notices{time.wall, lines};
    QTemporaryDir folder;
    FileWriter files{notices};
    RemoteAccess access{time, time.wall, notices, folder.path().toStdString(), files};
    DirectorsRemoteWindow window{access, {}, "The pilots' display is switched off (port 0)."};
    window.show();
    EXPECT_FALSE(access.pairingCode());
    EXPECT_TRUE(window.findChild<QLabel*>()->text().contains("switched off"));
}

} // namespace
} // namespace aerolap::testing

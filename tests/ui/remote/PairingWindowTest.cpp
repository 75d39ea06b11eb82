// The pairing windows of the director's remote and of the timekeepers, offscreen: each role's code
// while its window shows, and its devices with Revoke.
#include "ui/remote/PairingWindow.h"

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

constexpr auto kDirector = DeviceRole::Director;
constexpr auto kTimekeeper = DeviceRole::Timekeeper;

/// What a pairing window needs, in a state folder of its own.
struct PairingServices : ::testing::Test {
    VirtualTime time;
    std::ostringstream lines;
    NoticeBoard notices{time.wall, lines};
    QTemporaryDir folder;
    FileWriter files{notices};
    RemoteAccess access{time, time.wall, notices, folder.path().toStdString(), files};
};

struct DirectorsRemote : PairingServices {
    static QString shownCode(const PairingWindow& shown) {
        return shown.findChild<QLabel*>("code")->text();
    }
    QString shownCode() const { return shownCode(window); }
    static QTableWidget& devices(const PairingWindow& shown) {
        return *shown.findChild<QTableWidget*>("devices");
    }
    QTableWidget& devices() const { return devices(window); }
    std::optional<PairedDevice> pair(DeviceRole role, std::string_view name) {
        return access.pair(role, *access.pairingCode(role), name, "phone").device;
    }

    PairingWindow window{access, kDirector, {"http://192.168.1.20:8080/remote"}, {}};
    PairingWindow timekeepers{access, kTimekeeper, {"http://192.168.1.20:8080/timekeeper"}, {}};
};

TEST_F(DirectorsRemote, PairsOnlyWhileShownAndListsEachDeviceWithItsRevoke) {
    EXPECT_FALSE(access.pairingCode(kDirector));
    window.show();
    ASSERT_TRUE(access.pairingCode(kDirector));
    EXPECT_EQ(shownCode().toStdString(), *access.pairingCode(kDirector));

    ASSERT_TRUE(pair(kDirector, "Phone"));
    ASSERT_TRUE(pair(kDirector, "Tablet"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return devices().rowCount() == 2; }, 1000));
    EXPECT_EQ(devices().item(1, 0)->text(), "Tablet");
    // The virtual day's 09:00 UTC, in the laptop's own time.
    EXPECT_EQ(
        devices().item(1, 1)->text(),
        QDateTime(QDate(2026, 6, 13), QTime(9, 0), Qt::UTC).toLocalTime().toString("HH:mm:ss"));
    EXPECT_EQ(shownCode().toStdString(), *access.pairingCode(kDirector))
        << "a fresh code after each";

    qobject_cast<QPushButton*>(devices().cellWidget(0, 3))->click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return devices().rowCount() == 1; }, 1000));
    EXPECT_EQ(devices().item(0, 0)->text(), "Tablet");
    EXPECT_EQ(access.devices(kDirector).front().name, "Tablet");
    window.findChild<QPushButton*>("revokeAll")->click();
    EXPECT_TRUE(access.devices(kDirector).empty());

    window.hide();
    EXPECT_FALSE(access.pairingCode(kDirector));
    EXPECT_EQ(shownCode(), "------");
}

TEST_F(DirectorsRemote, TheTimekeepersWindowPairsAndRevokesTimekeepersAlone) {
    window.show();
    timekeepers.show();
    ASSERT_TRUE(pair(kDirector, "Director"));
    ASSERT_TRUE(pair(kTimekeeper, "Timekeeper 1"));
    ASSERT_TRUE(pair(kTimekeeper, "Timekeeper 2"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return devices(timekeepers).rowCount() == 2; }, 1000));
    EXPECT_EQ(shownCode(timekeepers).toStdString(), *access.pairingCode(kTimekeeper));
    EXPECT_NE(shownCode(timekeepers), shownCode()) << "each role its own code";
    EXPECT_EQ(devices().rowCount(), 1);
    EXPECT_EQ(timekeepers.windowTitle(), "Timekeepers");
    timekeepers.findChild<QPushButton*>("revokeAll")->click();
    EXPECT_TRUE(access.devices(kTimekeeper).empty());
    EXPECT_EQ(access.devices(kDirector).size(), 1u);
    timekeepers.hide();
    EXPECT_FALSE(access.pairingCode(kTimekeeper));
    EXPECT_TRUE(access.pairingCode(kDirector)) << "the remote's window still shows";
}

TEST_F(PairingServices, AWindowWithoutItsPageSaysWhyAndOpensNoPairing) {
    PairingWindow window{access, kDirector, {}, "The pilots' display is switched off (port 0)."};
    window.show();
    EXPECT_FALSE(access.pairingCode(kDirector));
    EXPECT_TRUE(window.findChild<QLabel*>()->text().contains("switched off"));
}

} // namespace
} // namespace aerolap::testing

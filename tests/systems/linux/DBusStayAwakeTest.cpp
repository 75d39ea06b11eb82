#include "systems/linux/DBusStayAwake.h"

#include "TestMessageBus.h"
#include "VirtualTime.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QProcess>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

const QString kSleepLockAsked =
    QStringLiteral("inhibit sleep:idle:handle-lid-switch|Aerolap|A contest round is timed|block");
const QString kScreenSaverInhibited =
    QStringLiteral("screensaver-inhibit Aerolap|A contest round is timed %1");

/// A private bus with the stand-in login manager and screen saver on it, when a test starts one;
/// the buses of the laptop are both that bus.
class StayAwakeOnABus : public ::testing::Test {
protected:
    void TearDown() override {
        awake.reset();
        if (standIn.state() != QProcess::NotRunning) {
            standIn.kill();
            standIn.waitForFinished();
        }
        QDBusConnection::disconnectFromBus(connectionName);
    }

    /// The stand-in serves, refuses every call or never answers ("serve", "refuse", "silent").
    void startStandIn(const char* mode) {
        ASSERT_FALSE(bus.address().empty()) << "the private bus did not start";
        standIn.start(QStringLiteral(AEROLAP_STAND_IN_LOGIN_SERVICES),
                      {QString::fromStdString(bus.address()), QString::fromLatin1(mode)});
        ASSERT_TRUE(waitUntil([this] { return said.contains(QStringLiteral("ready")); }))
            << "the stand-in did not come up";
        // What it was asked once its names were taken stays.
        said = said.mid(said.indexOf(QStringLiteral("ready")) + 1);
    }
    void makeStayAwake() { awake = std::make_unique<DBusStayAwake>(laptop, laptop, notices); }

    /// Runs the event loop until `done` or `limit`, collecting what the stand-in says.
    bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 5s) {
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < limit.count()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            standIn.waitForReadyRead(20);
            while (standIn.canReadLine()) {
                said << QString::fromUtf8(standIn.readLine()).trimmed();
            }
        }
        return done();
    }
    bool waitForLine(const QString& line) {
        return waitUntil([&] { return said.contains(line); });
    }
    bool waitForNotices(std::size_t count, std::chrono::milliseconds limit = 5s) {
        return waitUntil([&] { return notices.entries().size() >= count; }, limit);
    }

    TestMessageBus bus;
    inline static int s_connections = 0;
    const QString connectionName = QStringLiteral("laptop-%1").arg(++s_connections);
    QDBusConnection laptop =
        QDBusConnection::connectToBus(QString::fromStdString(bus.address()), connectionName);
    VirtualTime time;
    std::ostringstream errors;
    NoticeBoard notices{time.wall, errors};
    QProcess standIn;
    QStringList said;
    std::unique_ptr<DBusStayAwake> awake;
};

TEST_F(StayAwakeOnABus, HoldsSleepFromStartToExitAndTheScreenSaverWhileTheDisplayIsHeld) {
    ASSERT_NO_FATAL_FAILURE(startStandIn("serve"));
    makeStayAwake();
    EXPECT_TRUE(waitForLine(kSleepLockAsked)) << said.join(u'\n').toStdString();
    awake->holdDisplay(true);
    EXPECT_TRUE(waitForLine(kScreenSaverInhibited.arg(1)));
    awake->holdDisplay(false);
    EXPECT_TRUE(waitForLine(QStringLiteral("screensaver-uninhibit 1")));
    // A cycle started, stopped and started again while the screen saver has not yet answered.
    awake->holdDisplay(true);
    awake->holdDisplay(false);
    awake->holdDisplay(true);
    EXPECT_TRUE(waitForLine(kScreenSaverInhibited.arg(2)));
    awake->holdDisplay(false);
    EXPECT_TRUE(waitForLine(QStringLiteral("screensaver-uninhibit 2")));
    EXPECT_FALSE(said.contains(QStringLiteral("released"))) << "the lock went before the exit";
    awake.reset();
    EXPECT_TRUE(waitForLine(QStringLiteral("released")));
    EXPECT_EQ(said,
              (QStringList{kSleepLockAsked, kScreenSaverInhibited.arg(1),
                           QStringLiteral("screensaver-uninhibit 1"), kScreenSaverInhibited.arg(2),
                           QStringLiteral("screensaver-uninhibit 2"), QStringLiteral("released")}))
        << said.join(u'\n').toStdString();
    EXPECT_TRUE(notices.entries().empty()) << errors.str();
}

// A login manager or screen saver that restarts has dropped what it held: the director hears of
// each, and both are asked again of the new ones.
TEST_F(StayAwakeOnABus, TellsOfLostServicesAndAsksAgainWhenTheyAreBack) {
    ASSERT_NO_FATAL_FAILURE(startStandIn("serve"));
    makeStayAwake();
    awake->holdDisplay(true);
    ASSERT_TRUE(waitForLine(kScreenSaverInhibited.arg(1)));
    standIn.kill();
    standIn.waitForFinished();
    ASSERT_TRUE(waitForNotices(2)) << errors.str();
    EXPECT_NE(errors.str().find("may go to sleep"), std::string::npos) << errors.str();
    EXPECT_NE(errors.str().find("screen may blank"), std::string::npos) << errors.str();
    ASSERT_NO_FATAL_FAILURE(startStandIn("serve"));
    EXPECT_TRUE(waitForLine(kSleepLockAsked));
    EXPECT_TRUE(waitForLine(kScreenSaverInhibited.arg(1))) << said.join(u'\n').toStdString();
}

struct FailingBus {
    const char* name;
    const char* standIn; // nullptr: the bus has no such service
    bool busUp;

    friend void PrintTo(const FailingBus& row, std::ostream* out) { *out << row.name; }
};

class StayAwakeOnAFailingBus : public StayAwakeOnABus,
                               public ::testing::WithParamInterface<FailingBus> {};

// However the bus fails, the director reads once that the laptop may sleep and once that the
// screen may blank, and every call returns.
TEST_P(StayAwakeOnAFailingBus, TellsOnceForEachHoldAndGoesOn) {
    if (GetParam().standIn != nullptr) {
        ASSERT_NO_FATAL_FAILURE(startStandIn(GetParam().standIn));
    }
    if (!GetParam().busUp) {
        laptop = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                               connectionName + QStringLiteral("-gone"));
    }
    makeStayAwake();
    ASSERT_EQ(notices.entries().size(), 1u) << errors.str();
    EXPECT_NE(notices.entries()[0].text().find("may go to sleep"), std::string::npos);
    awake->holdDisplay(true);
    EXPECT_TRUE(waitForNotices(2));
    awake->holdDisplay(false);
    awake->holdDisplay(true); // the next cycle asks again, and is refused again
    waitForNotices(3, DBusStayAwake::kCallLimit + 500ms);
    ASSERT_EQ(notices.entries().size(), 2u) << errors.str();
    EXPECT_EQ(notices.entries()[1].urgency, Notice::Urgency::Info);
    EXPECT_NE(notices.entries()[1].text().find("screen may blank"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Buses, StayAwakeOnAFailingBus,
                         ::testing::Values(FailingBus{"NoBus", nullptr, false},
                                           FailingBus{"NoService", nullptr, true},
                                           FailingBus{"Refusing", "refuse", true},
                                           FailingBus{"NeverAnswering", "silent", true}),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace aerolap::testing

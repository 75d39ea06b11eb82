#include "systems/linux/RealtimeKitPriority.h"

#include "TestMessageBus.h"
#include "VirtualTime.h"
#include "systems/linux/RealTimeSafetyNet.h"
#include "systems/linux/ServerOrDevicePlayback.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <algorithm>
#include <csignal>
#include <fstream>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <optional>
#include <sched.h>
#include <set>
#include <sstream>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

/// What RealtimeKit says of itself.
struct Limits {
    qlonglong rtTimeUSecMax;
    int minNiceLevel;
    int maxRealtimePriority;
};

/// One request to raise a thread, as the stand-in saw it.
struct Raise {
    bool realTime;
    pid_t thread;
    qint64 level; // the priority, or the nice level
    rlimit rtTimeThen;
};

/// Stands in for RealtimeKit on the test's bus, in this process: serves its properties and
/// records each thread it is asked to raise, with the process's RLIMIT_RTTIME at that moment, as
/// RealtimeKit checks it; or refuses every call.
class StandInRealtimeKit final : public QDBusVirtualObject {
public:
    explicit StandInRealtimeKit(std::optional<Limits> limits) : m_limits(limits) {}

    QString introspect(const QString& /*path*/) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QList<QVariant> arguments = message.arguments();
        if (!m_limits) {
            connection.send(message.createErrorReply(
                QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"), QStringLiteral("no")));
            return true;
        }
        if (message.member() == QLatin1String("Get")) {
            const QString name = arguments.value(1).toString();
            const QVariant value =
                name == QLatin1String("RTTimeUSecMax")  ? QVariant(m_limits->rtTimeUSecMax)
                : name == QLatin1String("MinNiceLevel") ? QVariant(m_limits->minNiceLevel)
                                                        : QVariant(m_limits->maxRealtimePriority);
            connection.send(message.createReply(QVariant::fromValue(QDBusVariant(value))));
            return true;
        }
        rlimit now{};
        ::getrlimit(RLIMIT_RTTIME, &now);
        raises.push_back({message.member() == QLatin1String("MakeThreadRealtime"),
                          static_cast<pid_t>(arguments.value(0).toULongLong()),
                          arguments.value(1).toLongLong(), now});
        connection.send(message.createReply());
        return true;
    }

    std::vector<Raise> raises;

private:
    std::optional<Limits> m_limits;
};

std::string threadName(pid_t thread) {
    std::string name;
    std::getline(std::ifstream("/proc/self/task/" + std::to_string(thread) + "/comm"), name);
    return name;
}

/// The handlers' thread is this one; the sound threads are those of the program's own sound
/// back end, whose notices go elsewhere.
class TimingThreadsOnABus : public ::testing::Test {
protected:
    void TearDown() override {
        sound.reset();
        priority.reset();
        for (const QString& name : {laptopName, realtimeKitName}) {
            QDBusConnection::disconnectFromBus(name);
        }
    }

    /// RealtimeKit on the bus, serving with `limits`, or refusing everything without.
    void startRealtimeKit(std::optional<Limits> limits) {
        ASSERT_FALSE(bus.address().empty()) << "the private bus did not start";
        standIn = std::make_unique<StandInRealtimeKit>(limits);
        QDBusConnection service =
            QDBusConnection::connectToBus(QString::fromStdString(bus.address()), realtimeKitName);
        ASSERT_TRUE(service.registerVirtualObject(QStringLiteral("/org/freedesktop/RealtimeKit1"),
                                                  standIn.get()));
        ASSERT_TRUE(service.registerService(QStringLiteral("org.freedesktop.RealtimeKit1")));
    }

    /// What the program does: the sound threads ask as they start, the handlers' thread after.
    void raiseTheTimingThreads(const QString& busAddress) {
        priority = std::make_unique<RealtimeKitPriority>(
            [this, busAddress] { return QDBusConnection::connectToBus(busAddress, laptopName); },
            notices);
        sound = std::make_unique<ServerOrDevicePlayback>(soundNotices,
                                                         [this] { priority->raiseSoundThread(); });
        priority->raiseTimingThread();
    }

    /// Runs the event loop until `done` or `limit`.
    static bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < limit.count()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return done();
    }

    TestMessageBus bus;
    inline static int s_tests = 0;
    const QString laptopName = QStringLiteral("laptop-%1").arg(++s_tests);
    const QString realtimeKitName = QStringLiteral("realtimekit-%1").arg(s_tests);
    VirtualTime time;
    std::ostringstream errors;
    NoticeBoard notices{time.wall, errors};
    NoticeBoard soundNotices{time.wall, errors};
    std::unique_ptr<StandInRealtimeKit> standIn;
    std::unique_ptr<RealtimeKitPriority> priority;
    std::unique_ptr<ServerOrDevicePlayback> sound;
};

struct ServingRow {
    const char* name;
    Limits limits;
    int niceAsked;

    friend void PrintTo(const ServingRow& row, std::ostream* out) { *out << row.name; }
};

class TimingThreadsWithRealtimeKit : public TimingThreadsOnABus,
                                     public ::testing::WithParamInterface<ServingRow> {};

// Each sound thread gets real time, asked once and only with the process's real-time CPU limit
// already within RealtimeKit's; the handlers' thread gets a raised nice level within what
// RealtimeKit allows, never real time.
TEST_P(TimingThreadsWithRealtimeKit, SoundThreadsGetRealTimeAndTheHandlersOnlyHighPriority) {
    const Limits limits = GetParam().limits;
    ASSERT_NO_FATAL_FAILURE(startRealtimeKit(limits));
    raiseTheTimingThreads(QString::fromStdString(bus.address()));
    ASSERT_TRUE(waitUntil([this] { return standIn->raises.size() >= 3; }, 5s)) << errors.str();
    waitUntil([] { return false; }, 200ms); // nothing more is asked

    std::multiset<std::string> realTime;
    std::vector<pid_t> high;
    for (const Raise& raise : standIn->raises) {
        if (!raise.realTime) {
            high.push_back(raise.thread);
            EXPECT_EQ(raise.level, GetParam().niceAsked);
            continue;
        }
        realTime.insert(threadName(raise.thread));
        EXPECT_GE(raise.level, 1);
        EXPECT_LE(raise.level, limits.maxRealtimePriority);
        EXPECT_GT(raise.rtTimeThen.rlim_cur, 0u);
        EXPECT_LT(raise.rtTimeThen.rlim_cur, raise.rtTimeThen.rlim_max)
            << "a runaway thread is caught at the soft limit, before the kernel kills at the hard";
        EXPECT_LE(raise.rtTimeThen.rlim_max, static_cast<rlim_t>(limits.rtTimeUSecMax));
    }
    EXPECT_EQ(realTime,
              (std::multiset<std::string>{PulsePcmPlayback::kThreadName, "ALSA playback"}));
    EXPECT_EQ(high, std::vector<pid_t>{::gettid()});
    EXPECT_TRUE(notices.entries().empty()) << errors.str();
}

INSTANTIATE_TEST_SUITE_P(
    Limits, TimingThreadsWithRealtimeKit,
    ::testing::Values(ServingRow{"RealtimeKitDefaults", {200000, -15, 20}, -10},
                      ServingRow{"Stricter", {50000, -5, 1}, -5}),
    [](const auto& row) { return std::string(row.param.name); });

struct RefusingRow {
    const char* name;
    bool busUp;
    bool standIn;
    std::optional<Limits> limits; // the stand-in's, else it refuses every call

    friend void PrintTo(const RefusingRow& row, std::ostream* out) { *out << row.name; }
};

class TimingThreadsRefused : public TimingThreadsOnABus,
                             public ::testing::WithParamInterface<RefusingRow> {};

// However the system refuses, the director reads it once, for all three threads, and the timer
// runs on. A RealtimeKit that names no real-time CPU limit gets no real-time request: the kernel
// would stop a thread with a limit of nothing at once.
TEST_P(TimingThreadsRefused, TellsOnceAndGoesOn) {
    if (GetParam().standIn) {
        ASSERT_NO_FATAL_FAILURE(startRealtimeKit(GetParam().limits));
    }
    raiseTheTimingThreads(GetParam().busUp ? QString::fromStdString(bus.address())
                                           : QStringLiteral("unix:path=/nonexistent/bus"));
    ASSERT_TRUE(waitUntil([this] { return !notices.entries().empty(); }, 5s));
    waitUntil([] { return false; }, 300ms); // the other threads' refusals come in meanwhile
    ASSERT_EQ(notices.entries().size(), 1u) << errors.str();
    EXPECT_EQ(notices.entries()[0].urgency, Notice::Urgency::Info);
    EXPECT_NE(notices.entries()[0].text().find("Cues and seconds may slip"), std::string::npos);
    if (standIn) {
        EXPECT_TRUE(std::none_of(standIn->raises.begin(), standIn->raises.end(),
                                 [](const Raise& raise) { return raise.realTime; }));
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, TimingThreadsRefused,
                         ::testing::Values(RefusingRow{"NoSystemBus", false, false, {}},
                                           RefusingRow{"NoRealtimeKit", true, false, {}},
                                           RefusingRow{"RealtimeKitRefuses", true, true, {}},
                                           RefusingRow{"NoRealTimeLimit", true, true,
                                                       Limits{0, -15, 20}}),
                         [](const auto& row) { return std::string(row.param.name); });

// A real-time sound thread that runs away, as the kernel tells with SIGXCPU at the soft limit,
// goes back to ordinary scheduling, and the program lives on. Making a thread real time takes a
// right that a test run as root has.
TEST(RealTimeSafetyNet, PutsARunawayThreadBackToOrdinarySchedulingAndTheProgramLives) {
    std::promise<pid_t> started;
    std::promise<void> done;
    std::thread sound([&] {
        started.set_value(::gettid());
        done.get_future().wait();
    });
    const pid_t thread = started.get_future().get();
    catchRunawayRealTime(thread);
    const sched_param realTime{1};
    const bool raised = ::sched_setscheduler(thread, SCHED_RR, &realTime) == 0;
    if (raised) {
        ::raise(SIGXCPU);
    }
    const int policy = ::sched_getscheduler(thread);
    done.set_value();
    sound.join();
    if (!raised) {
        GTEST_SKIP() << "this run may not make a thread real time";
    }
    EXPECT_EQ(policy, SCHED_OTHER);
}

} // namespace
} // namespace aerolap::testing

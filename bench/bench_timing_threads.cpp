// How late the timing threads run on a busy laptop, as they are and as RealtimeKit raises them.
// Other programs are played by busy processes, four for each core, each in a session of its own.
// The handlers' thread runs a 10 ms precise Qt timer, and its lateness past each deadline is
// measured; every half second it hands a tone to the sound thread (PulsePcmPlayback, into a
// private null sink whose monitor is recorded), and the tone's onset after the hand-over is found
// to the sample; a tone not found before the next is due is counted apart. First plain, then
// raised through the program's own RealtimeKit client: for that, when rtkit-daemon is installed,
// it runs on a private system bus with a stand-in polkit that grants what it is asked (a real
// polkit would want a logind session), so that nothing of the machine is changed.
#include "Figures.h"
#include "MonitorRecorder.h"
#include "TestMessageBus.h"
#include "TestSoundServer.h"
#include "WavBytes.h"
#include "notices/NoticeBoard.h"
#include "platform/WallClock.h"
#include "systems/linux/PulsePcmPlayback.h"
#include "systems/linux/RealtimeKitPriority.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QTimer>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace aerolap;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::Figures;
using testing::MonitorRecorder;

constexpr auto kRun = 30s;
constexpr auto kTick = 10ms;
constexpr int kTicksPerCue = 50;
constexpr unsigned kBusyPerCore = 4;
constexpr const char* kRtkitDaemon = "/usr/libexec/rtkit-daemon";

double ms(Clock::duration span) {
    return std::chrono::duration<double, std::milli>(span).count();
}

/// Grants every authorization it is asked for, as org.freedesktop.PolicyKit1 on the bus.
class GrantingPolkit final : public QDBusVirtualObject {
public:
    QString introspect(const QString& /*path*/) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        QDBusArgument result;
        result.beginStructure();
        result << true << false << QMap<QString, QString>();
        result.endStructure();
        connection.send(message.createReply(QVariant::fromValue(result)));
        return true;
    }
};

/// A child process of ours, ended by its id when this goes.
class Child {
public:
    explicit Child(const std::function<void()>& body) : m_pid(::fork()) {
        if (m_pid == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            body();
            ::_exit(127);
        }
    }
    ~Child() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    pid_t pid() const { return m_pid; }

private:
    pid_t m_pid;
};

/// The kernel's thread id of our thread of that name, or 0.
pid_t threadNamed(const std::string& wanted) {
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::string name;
        std::getline(std::ifstream(task.path() / "comm"), name);
        if (name == wanted) {
            return static_cast<pid_t>(std::stoi(task.path().filename().string()));
        }
    }
    return 0;
}

std::string schedulingOf(pid_t thread) {
    const int policy = ::sched_getscheduler(thread);
    sched_param parameter{};
    ::sched_getparam(thread, &parameter);
    errno = 0;
    const int nice = ::getpriority(PRIO_PROCESS, static_cast<id_t>(thread));
    const int withoutFork = policy & ~SCHED_RESET_ON_FORK;
    const char* name = withoutFork == SCHED_RR      ? "SCHED_RR"
                       : withoutFork == SCHED_FIFO  ? "SCHED_FIFO"
                       : withoutFork == SCHED_OTHER ? "SCHED_OTHER"
                                                    : "other";
    return std::string(name) + " priority " + std::to_string(parameter.sched_priority) + ", nice " +
           std::to_string(nice);
}

/// One run under load: the handlers' timer and the cues, with the threads raised by `priority`
/// when given.
void measure(const char* title, RealtimeKitPriority* priority, testing::TestSoundServer& server,
             const std::shared_ptr<const PcmSound>& tone) {
    MonitorRecorder recorder(server.address(), server.monitorSource());
    if (!recorder.waitUntilFlowing()) {
        std::printf("%s: the monitor recording did not start\n", title);
        return;
    }
    // The instrument must not be slowed by the load it measures under: its thread runs at a
    // real-time priority above the sound thread's, where this process may set one.
    sched_param instrument{};
    instrument.sched_priority = 10;
    if (::sched_setscheduler(threadNamed("threaded-ml"), SCHED_FIFO, &instrument) != 0) {
        std::printf("%s: the recording runs unraised, so the load may skew it\n", title);
    }
    PulsePcmPlayback playback({}, {}, [priority] {
        if (priority != nullptr) {
            priority->raiseSoundThread();
        }
    });
    if (priority != nullptr) {
        priority->raiseTimingThread();
    }
    const auto runEventLoopFor = [](std::chrono::milliseconds span) {
        QElapsedTimer running;
        running.start();
        while (running.elapsed() < span.count()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    };
    // The requests go out and are answered on the event loop, before the load comes.
    runEventLoopFor(500ms);

    std::vector<std::unique_ptr<Child>> load;
    for (unsigned i = 0; i < kBusyPerCore * std::max(1u, std::thread::hardware_concurrency());
         ++i) {
        load.push_back(std::make_unique<Child>([] {
            // A session of its own, as a program started elsewhere on the desktop: the
            // scheduler shares the processor between sessions before it looks at nice levels.
            ::setsid();
            volatile unsigned long spin = 0;
            while (true) {
                spin = spin + 1;
            }
        }));
    }
    // Measuring starts a second into the load: the recording's placement of what it hears, which
    // leans on the server's accounts, was seen to run ahead of the calls just as the load began.
    runEventLoopFor(1s);
    Figures lateness;
    std::vector<Clock::time_point> cueCalls;
    const Clock::time_point start = Clock::now();
    Clock::time_point deadline = start;
    int ticks = 0;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    const auto armNext = [&] {
        deadline += kTick;
        // Rounded up, so that the timer never fires before its deadline.
        const auto wait =
            std::chrono::ceil<std::chrono::milliseconds>(std::max(deadline - Clock::now(), {}));
        timer.start(static_cast<int>(wait.count()));
    };
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const Clock::time_point now = Clock::now();
        lateness.add(ms(now - deadline));
        if (++ticks % kTicksPerCue == 0) {
            cueCalls.push_back(Clock::now());
            playback.play(tone);
        }
        if (now - start < kRun) {
            armNext();
        } else {
            QCoreApplication::quit();
        }
    });
    armNext();
    QCoreApplication::exec();
    load.clear();
    std::this_thread::sleep_for(300ms);

    const auto blocks = recorder.blocks();
    Figures onset;
    int missed = 0;
    for (const Clock::time_point call : cueCalls) {
        const auto heard = testing::onsetFrom(blocks, call);
        if (heard && *heard - call < kTicksPerCue * kTick - 10ms) {
            onset.add(ms(*heard - call));
        } else {
            ++missed;
        }
    }
    std::printf("== %s, %zu busy processes for %lld s\n", title,
                kBusyPerCore * std::size_t{std::max(1u, std::thread::hardware_concurrency())},
                static_cast<long long>(std::chrono::seconds(kRun).count()));
    std::printf("handlers' thread: %s\n", schedulingOf(::gettid()).c_str());
    std::printf("sound thread:     %s\n",
                schedulingOf(threadNamed(PulsePcmPlayback::kThreadName)).c_str());
    std::printf("sound server:     %s\n", schedulingOf(server.pid()).c_str());
    for (auto [figures, what] : {std::pair{&lateness, "10 ms timer fired after its deadline"},
                                 std::pair{&onset, "tone heard after the hand-over"}}) {
        figures->print(what);
        if (!figures->values.empty()) {
            std::printf("%-44s 99th percentile %7.3f ms\n", "",
                        figures->values[figures->values.size() * 99 / 100]);
        }
    }
    std::printf("%d of %zu tones not heard before the next was due\n", missed, cueCalls.size());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const auto tone = std::make_shared<const PcmSound>(
        PcmSound{SampleFormat::Signed16LittleEndian, MonitorRecorder::kSampleRate, 1,
                 testing::toneSamples(1000, 0.1, MonitorRecorder::kSampleRate)});
    testing::TestSoundServer server;
    if (!server.running()) {
        std::printf("the private PulseAudio server did not start\n");
        return 1;
    }
    // Plain first: what RealtimeKit grants stays with the thread.
    measure("plain", nullptr, server, tone);

    if (!std::filesystem::exists(kRtkitDaemon)) {
        std::printf("== raised through RealtimeKit: skipped, %s is not installed (Debian package "
                    "rtkit)\n",
                    kRtkitDaemon);
        return 0;
    }
    testing::TestMessageBus bus;
    QDBusConnection polkitSide =
        QDBusConnection::connectToBus(QString::fromStdString(bus.address()), "polkit");
    GrantingPolkit polkit;
    polkitSide.registerVirtualObject(QStringLiteral("/org/freedesktop/PolicyKit1/Authority"),
                                     &polkit);
    polkitSide.registerService(QStringLiteral("org.freedesktop.PolicyKit1"));
    const std::string address = bus.address();
    // Made before the fork: the child only calls exec. RealtimeKit limits its own file size to
    // nothing, so its output must not go to a file.
    std::string busVariable = "DBUS_SYSTEM_BUS_ADDRESS=" + address;
    std::array<char*, 2> environment{busVariable.data(), nullptr};
    const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    Child rtkit([&environment, nowhere] {
        ::dup2(nowhere, STDOUT_FILENO);
        ::dup2(nowhere, STDERR_FILENO);
        ::execle(kRtkitDaemon, "rtkit-daemon", static_cast<char*>(nullptr), environment.data());
    });
    ::close(nowhere);
    QDBusConnection laptop =
        QDBusConnection::connectToBus(QString::fromStdString(address), "laptop");
    QElapsedTimer waited;
    waited.start();
    while (!laptop.interface()
                ->isServiceRegistered(QStringLiteral("org.freedesktop.RealtimeKit1"))
                .value() &&
           waited.elapsed() < 5000) {
        std::this_thread::sleep_for(50ms);
    }
    SystemWallClock wallClock;
    NoticeBoard notices(wallClock, std::cerr);
    RealtimeKitPriority priority([laptop] { return laptop; }, notices);
    measure("raised through RealtimeKit", &priority, server, tone);
    for (const Notice& notice : notices.entries()) {
        std::printf("refused: %s\n", notice.text.c_str());
    }
    return 0;
}

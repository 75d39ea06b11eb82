// The engine's cost in real time: a main window without a view, its timers on QTimers in a Qt
// event loop, a cue player that plays nothing. Measures the process's own CPU time while idle
// before the first START (when no engine timer may run) and over one whole 60-second cycle
// (10 s preparation, 20 s working time, 30 s landing window), against a target of 1 % of one core.

#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"
#include "audio/CuePlayer.h"
#include "engine/CyclePhase.h"
#include "platform/MonotonicSource.h"
#include "platform/SerialPortControl.h"
#include "systems/qt/QtTimerDriver.h"
#include "ui/main/MainWindow.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>

namespace {

using namespace std::chrono_literals;
using namespace aerolap;

constexpr auto kIdleWindow = 10s;
constexpr auto kCycleWindow = 60s;
constexpr double kCpuTargetPercent = 1.0;
// Preparation, working time and landing window: 8 + 6 + 8 cues.
constexpr int kCuesPerCycle = 22;

class CountingCuePlayer final : public CuePlayer {
public:
    void playCue(const std::string& /*path*/) override { ++m_count; }
    int count() const { return m_count; }

private:
    int m_count = 0;
};

std::chrono::duration<double> processCpuTime() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

/// Runs the event loop for `window` and returns the share of one core the process used.
double cpuPercentOver(QCoreApplication& app, std::chrono::milliseconds window) {
    const auto cpuBefore = processCpuTime();
    const auto wallBefore = std::chrono::steady_clock::now();
    QTimer::singleShot(window, &app, &QCoreApplication::quit);
    QCoreApplication::exec();
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallBefore;
    return 100.0 * (processCpuTime() - cpuBefore) / wall;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    SteadyMonotonicSource time;
    CountingCuePlayer cues;
    NullSerialPort serialPort;
    testing::ScriptedMessageBoxes messageBoxes;
    testing::SystemServiceDoubles system;
    MainWindow window(system.servicesWith(time, cues, serialPort, messageBoxes));
    Form1& form = window.form();

    QtTimerDriver driver(time);
    std::map<std::string, int> ticks;
    const std::pair<const char*, Timer*> timers[] = {
        {"Timer1", &form.Timer1}, {"Timer2", &form.Timer2}, {"Timer3", &form.Timer3},
        {"Timer4", &form.Timer4}, {"Timer5", &form.Timer5}, {"Timer6", &form.Timer6},
        {"Timer7", &form.Timer7},
    };
    for (const auto& [name, timer] : timers) {
        driver.attach(*timer);
        timer->tick.connect([&ticks, name = std::string(name)] { ++ticks[name]; });
    }
    window.Form_Load();

    bool ok = true;
    for (const auto& [name, timer] : timers) {
        if (timer->enabled()) {
            std::printf("%s runs before the first START\n", name);
            ok = false;
        }
    }
    const double idle = cpuPercentOver(app, kIdleWindow);
    ok = ok && ticks.empty();
    std::printf("idle before START over %lld s: %.3f %% of one core, %zu timer ticks\n",
                static_cast<long long>(kIdleWindow.count()), idle, ticks.size());

    form.Clock2.setClockTimeText("00.00.10");
    form.Clock1.setClockTimeText("00.00.10");
    form.Clock3.setClockTimeText("00.00.20");
    form.Option3.select();
    const auto started = std::chrono::steady_clock::now();
    form.Command5.click();
    const double busy = cpuPercentOver(app, kCycleWindow);

    // Let the cycle's last tick arrive, then see where it ended.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&form] {
        if (cyclePhase(form) == CyclePhase::Ready) {
            QCoreApplication::quit();
        }
    });
    poll.start(1ms);
    QTimer::singleShot(1s, &app, &QCoreApplication::quit);
    QCoreApplication::exec();
    const std::chrono::duration<double, std::milli> cycle =
        std::chrono::steady_clock::now() - started;
    const bool ready = cyclePhase(form) == CyclePhase::Ready;

    std::printf("one cycle over %lld s: %.3f %% of one core (target < %.1f %%)\n",
                static_cast<long long>(kCycleWindow.count()), busy, kCpuTargetPercent);
    for (const auto& [name, count] : ticks) {
        std::printf("  %s: %d ticks\n", name.c_str(), count);
    }
    std::printf("cycle ended %s after %.1f ms (60000 ms ideal), %d cues (expected %d)\n",
                ready ? "ready" : "NOT ready", cycle.count(), cues.count(), kCuesPerCycle);

    ok = ok && ready && cues.count() == kCuesPerCycle && busy < kCpuTargetPercent;
    std::printf("%s\n", ok ? "OK" : "FAILED");
    return ok ? 0 : 1;
}

// How late each display frame reaches the far end of the line, against the whole second since
// START at which the display should have changed. A real contest cycle in real time: the main
// window (without its view) on Qt timers, the program's serial port (QSerialPort on its own
// thread) on a pseudo-terminal, the far end read by a separate thread that stamps each frame as it
// arrives.
#include "CompetingLoad.h"
#include "elements/TimeText.h"
#include "platform/ImmediateProgramExit.h"
#include "platform/LocalFileExistence.h"
#include "platform/MonotonicSource.h"
#include "platform/NoRegistry.h"
#include "platform/WallClock.h"
#include "systems/qt/BackgroundSerialPort.h"
#include "systems/qt/QtProgramLauncher.h"
#include "systems/qt/QtSerialPortControl.h"
#include "systems/qt/QtTimerDriver.h"
#include "ui/main/MainWindow.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <poll.h>
#include <pty.h>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono_literals::operator""ms;

constexpr int kPreparationSeconds = 30;
constexpr int kWorkingSeconds = 90;
constexpr int kLandingSeconds = 30;
constexpr auto kWatchInterval = 50ms;
constexpr auto kSettleBeforeStart = 500ms;
// Long enough after the cycle to catch a frame sent twice.
constexpr auto kQuietAfterCycle = 1500ms;

class SilentCues final : public aerolap::CuePlayer {
public:
    void playCue(const std::string&) override {}
};

class NoStacking final : public aerolap::WindowStacking {
public:
    void setTopmost(bool) override {}
};

class AnswerOk final : public aerolap::MessageBoxService {
public:
    aerolap::MessageAnswer show(const aerolap::MessageBoxRequest&) override {
        return aerolap::MessageAnswer::Ok;
    }
};

struct ExpectedFrame {
    std::string frame;
    int secondSinceStart;
};

std::string frameOf(int seconds) {
    const std::string text = aerolap::TimeText::fromSeconds(seconds);
    // Appended in place: GCC 12 at -O3 takes "A" + std::string for an overlapping copy
    // (-Wrestrict).
    return std::string("A").append(text, 3, 2).append(text, 6, 2).append("\r");
}

/// Every frame of one cycle with the second since START at which it is due: each phase counts
/// down to zero, the next phase's first frame follows in the same instant, and the end of the
/// landing window puts the preparation time back on the display. START itself sends nothing:
/// the display already shows the preparation time.
std::vector<ExpectedFrame> framesOfOneCycle() {
    std::vector<ExpectedFrame> frames;
    int phaseStart = 0;
    for (const int length : {kPreparationSeconds, kWorkingSeconds, kLandingSeconds}) {
        for (int left = length; left >= 0; --left) {
            const int due = phaseStart + length - left;
            if (due > 0) {
                frames.push_back({frameOf(left), due});
            }
        }
        phaseStart += length;
    }
    frames.push_back({frameOf(kPreparationSeconds), phaseStart});
    return frames;
}

/// Reads the far end of the pseudo-terminal and stamps each complete frame on arrival.
class FarEndReader {
public:
    explicit FarEndReader(int farEnd) : m_farEnd(farEnd), m_thread([this] { run(); }) {}
    ~FarEndReader() {
        m_stop = true;
        m_thread.join();
    }
    FarEndReader(const FarEndReader&) = delete;
    FarEndReader& operator=(const FarEndReader&) = delete;

    std::vector<std::pair<Clock::time_point, std::string>> frames() {
        const std::lock_guard lock(m_mutex);
        return m_frames;
    }

private:
    void run() {
        std::string pending;
        while (!m_stop) {
            pollfd waitFor{m_farEnd, POLLIN, 0};
            if (::poll(&waitFor, 1, 10) <= 0 || (waitFor.revents & POLLIN) == 0) {
                continue;
            }
            std::array<char, 256> buffer{};
            const ssize_t got = ::read(m_farEnd, buffer.data(), buffer.size());
            const Clock::time_point now = Clock::now();
            if (got <= 0) {
                continue;
            }
            pending.append(buffer.data(), static_cast<std::size_t>(got));
            const std::lock_guard lock(m_mutex);
            for (std::size_t end = pending.find('\r'); end != std::string::npos;
                 end = pending.find('\r')) {
                m_frames.emplace_back(now, pending.substr(0, end + 1));
                pending.erase(0, end + 1);
            }
        }
    }

    int m_farEnd;
    std::atomic<bool> m_stop = false;
    std::mutex m_mutex;
    std::vector<std::pair<Clock::time_point, std::string>> m_frames;
    std::thread m_thread;
};

std::string printable(const std::string& frame) {
    return frame.substr(0, frame.size() - 1);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    aerolap::testing::LoadOptions load;
    for (int index = 1; index < argc; index += 2) {
        if (index + 1 == argc || !load.take(argv[index], argv[index + 1])) {
            std::printf("usage: bench_serial_lag [--busy N] [--beside COMMAND]\n");
            return 2;
        }
    }
    aerolap::testing::CompetingLoad competing;

    // Both ends stay open until the program ends; the reader thread polls the far end to the last.
    int farEnd = -1;
    int device = -1;
    std::array<char, 256> deviceName{};
    if (::openpty(&farEnd, &device, deviceName.data(), nullptr, nullptr) != 0) {
        std::perror("openpty");
        return 1;
    }
    const std::string displayDevice = deviceName.data();

    aerolap::SteadyMonotonicSource time;
    SilentCues cues;
    AnswerOk messageBoxes;
    std::ostringstream noticeLines;
    aerolap::SystemWallClock wall;
    aerolap::NoticeBoard notices(wall, noticeLines);
    aerolap::BackgroundSerialPort port(
        [&](const aerolap::BackgroundSerialPort::Notice& notice) {
            return std::make_unique<aerolap::QtSerialPortControl>(
                aerolap::DeviceNaming::Posix, aerolap::SerialAccess::WriteOnly,
                aerolap::SerialDevices{{1, displayDevice}}, notice);
        },
        notices);
    NoStacking stacking;
    aerolap::ImmediateProgramExit programExit;
    aerolap::NoRegistry registry;
    aerolap::LocalFileExistence files;
    aerolap::QtProgramLauncher programs;
    aerolap::MainWindow window(aerolap::MainWindowServices{time, cues, port, messageBoxes, stacking,
                                                           programExit, registry, files, programs});
    aerolap::Form1& form = window.form();
    aerolap::QtTimerDriver timers(time);
    for (aerolap::Timer* timer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer4,
                                  &form.Timer5, &form.Timer6, &form.Timer7}) {
        timers.attach(*timer);
    }

    window.Form_Load();
    if (!port.portOpen()) {
        std::fprintf(stderr, "could not open %s\n", displayDevice.c_str());
        return 1;
    }
    form.Clock2.setClockTimeText(aerolap::TimeText::fromSeconds(kPreparationSeconds));
    form.Clock3.setClockTimeText(aerolap::TimeText::fromSeconds(kWorkingSeconds));

    std::printf("serial display lag: one cycle of %d s preparation, %d s working time, %d s "
                "landing on %s\n",
                kPreparationSeconds, kWorkingSeconds, kLandingSeconds, displayDevice.c_str());
    std::fflush(stdout);

    FarEndReader reader{farEnd};
    Clock::time_point startedAt{};
    // The start-up frame is read and left behind before the cycle begins.
    QTimer::singleShot(kSettleBeforeStart, [&] {
        startedAt = Clock::now();
        form.Command5.click();
        competing.start(load.busy, load.beside);
    });
    QTimer watch;
    watch.setInterval(kWatchInterval);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (startedAt != Clock::time_point{} && form.Command5.visible()) {
            watch.stop();
            QTimer::singleShot(kQuietAfterCycle, [] { QCoreApplication::quit(); });
        }
    });
    watch.start();
    QCoreApplication::exec();
    std::printf("beside: %s\n", load.described().c_str());
    competing.stop();

    std::vector<std::pair<Clock::time_point, std::string>> arrived;
    for (const auto& entry : reader.frames()) {
        if (entry.first >= startedAt) {
            arrived.push_back(entry);
        }
    }
    const std::vector<ExpectedFrame> expected = framesOfOneCycle();

    std::vector<double> lagsMs;
    std::size_t matched = 0;
    for (const auto& [at, frame] : arrived) {
        if (matched >= expected.size() || frame != expected[matched].frame) {
            std::printf("unexpected frame %s after %zu good ones\n", printable(frame).c_str(),
                        matched);
            continue;
        }
        const auto due = startedAt + std::chrono::seconds(expected[matched].secondSinceStart);
        lagsMs.push_back(std::chrono::duration<double, std::milli>(at - due).count());
        ++matched;
    }
    const std::size_t unexpected = arrived.size() - matched;
    const std::size_t missing = expected.size() - matched;

    std::printf("frames expected %zu, arrived %zu, missing %zu, unexpected (doubled or out of "
                "order) %zu\n",
                expected.size(), arrived.size(), missing, unexpected);
    if (lagsMs.empty()) {
        return 1;
    }
    std::vector<double> sorted = lagsMs;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted.size() % 2 == 1
                              ? sorted[sorted.size() / 2]
                              : (sorted[sorted.size() / 2 - 1] + sorted[sorted.size() / 2]) / 2;
    std::printf("lag after the second boundary, ms: min %.2f  median %.2f  max %.2f\n",
                sorted.front(), median, sorted.back());
    std::printf("targets (median < 12 ms, max < 25 ms, none missing or doubled): %s\n",
                median < 12.0 && sorted.back() < 25.0 && missing == 0 && unexpected == 0
                    ? "met"
                    : "NOT met");
    return missing == 0 && unexpected == 0 ? 0 : 1;
}

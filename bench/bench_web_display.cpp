// The pilots' display against the serial frames, in real time: the main window (without its
// view) on Qt timers, the display state and web server as the program composes them, and
// WebSocket clients in a child process of their own, so that their work is not counted as the
// server's. Every frame handed to the serial port and every message a client receives is stamped
// on the machine's monotonic clock. Three runs of the first 40 s of a cycle: no client, one client,
// 200 clients. Prints the message delay after the frame of the same second, the server process's
// extra CPU and memory with 200 clients, and the frames' lateness against their seconds.
#include "FrameStamps.h"
#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"
#include "engine/Cycle.h"
#include "pilots_display/DisplayStatePublisher.h"
#include "systems/qt/QtTimerDriver.h"
#include "ui/main/MainWindow.h"
#include "web/PilotsDisplayThread.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTimer>
#include <QWebSocket>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using namespace aerolap;
using testing::SilentCues;
using testing::StampingSerialPort;
using testing::stampNs;

constexpr auto kRun = 40s;
constexpr auto kSettle = 2s;
constexpr int kManyClients = 200;

/// The child: `count` clients, each printing "client stamp time" whenever its time changes.
int runClients(quint16 port, int count, int seconds) {
    std::vector<std::unique_ptr<QWebSocket>> clients;
    std::vector<QString> last(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        clients.push_back(std::make_unique<QWebSocket>());
        QObject::connect(clients.back().get(), &QWebSocket::textMessageReceived,
                         [i, &last](const QString& message) {
                             const long long at = stampNs();
                             const QString time = QJsonDocument::fromJson(message.toUtf8())
                                                      .object()[QStringLiteral("time")]
                                                      .toString();
                             QString& seen = last[static_cast<std::size_t>(i)];
                             if (time != seen) {
                                 seen = time;
                                 std::printf("%d %lld %s\n", i, at, qPrintable(time));
                             }
                         });
        clients.back()->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(port)));
    }
    QTimer::singleShot(std::chrono::seconds(seconds), &QCoreApplication::quit);
    return QCoreApplication::exec();
}

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

long residentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:")) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

double percentile(std::vector<double> values, double share) {
    if (values.empty()) {
        return 0;
    }
    std::ranges::sort(values);
    return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

struct RunFigures {
    std::vector<double> lastClientMs; // per frame: the delay to the last client to receive it
    std::vector<double> frameLatenessMs;
    double cpuPercent = 0;
    long extraKiB = 0;
    int unmatched = 0;
};

/// One run: START with `clients` connected, the first 40 s of the cycle, STOP, RESET.
RunFigures measure(QCoreApplication& app, Form1& form, StampingSerialPort& port, quint16 webPort,
                   int clients, const QString& self) {
    QProcess child;
    const long rssBefore = residentKiB();
    if (clients > 0) {
        child.start(self, {QStringLiteral("--clients"), QString::number(clients),
                           QString::number(webPort), QString::number((kRun + kSettle * 2) / 1s)});
    }
    QTimer::singleShot(kSettle, &app, &QCoreApplication::quit);
    QCoreApplication::exec();

    port.frames.clear();
    const double cpuBefore = cpuSeconds();
    const long long startNs = stampNs();
    form.Command5.click();
    QTimer::singleShot(kRun, &app, &QCoreApplication::quit);
    QCoreApplication::exec();
    RunFigures figures;
    figures.cpuPercent =
        100.0 * (cpuSeconds() - cpuBefore) / (static_cast<double>(stampNs() - startNs) / 1e9);
    figures.extraKiB = residentKiB() - rssBefore;
    const auto frames = port.frames;
    form.Command7.click();
    form.Command2.click();

    for (const auto& [at, frame] : frames) {
        const double sinceStart = static_cast<double>(at - startNs) / 1e6;
        // Against the nearest whole second: a frame a hair early counts as early, not 999 ms late.
        figures.frameLatenessMs.push_back(sinceStart - 1000.0 * std::round(sinceStart / 1000.0));
    }
    if (clients == 0) {
        return figures;
    }
    child.waitForFinished(static_cast<int>(std::chrono::milliseconds(kRun + kSettle * 4).count()));
    // time -> client -> first receipt
    std::map<std::string, std::map<int, long long>> received;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() == 3) {
            received[fields[2].toStdString()].try_emplace(fields[0].toInt(),
                                                          fields[1].toLongLong());
        }
    }
    for (const auto& [at, frame] : frames) {
        // The frame's minutes and seconds, as the time display shows them.
        const std::string time = "00." + frame.substr(1, 2) + "." + frame.substr(3, 2);
        const auto seen = received.find(time);
        if (seen == received.end() || static_cast<int>(seen->second.size()) < clients) {
            ++figures.unmatched;
            continue;
        }
        long long last = 0;
        for (const auto& [client, stamp] : seen->second) {
            last = std::max(last, stamp);
        }
        figures.lastClientMs.push_back(static_cast<double>(last - at) / 1e6);
        received.erase(seen); // a time shown again later in the cycle is another frame
    }
    return figures;
}

void print(const char* name, const RunFigures& run) {
    std::printf("%s: frames against their second: median %+.3f ms, max %+.3f ms; "
                "CPU %.3f %% of one core; memory %+ld KiB\n",
                name, percentile(run.frameLatenessMs, 0.5), percentile(run.frameLatenessMs, 1.0),
                run.cpuPercent, run.extraKiB);
    if (!run.lastClientMs.empty()) {
        std::printf("  message after its frame (last client): median %.3f ms, p99 %.3f ms, "
                    "max %.3f ms over %zu frames (%d frames replaced within their handler)\n",
                    percentile(run.lastClientMs, 0.5), percentile(run.lastClientMs, 0.99),
                    percentile(run.lastClientMs, 1.0), run.lastClientMs.size(), run.unmatched);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 5 && arguments[1] == QStringLiteral("--clients")) {
        return runClients(arguments[3].toUShort(), arguments[2].toInt(), arguments[4].toInt());
    }

    PilotsDisplayThread server;
    const quint16 port = server.start(QHostAddress::LocalHost, 0).first.value_or(0);
    StampingSerialPort serialPort;
    SilentCues cues;
    testing::ScriptedMessageBoxes messageBoxes;
    testing::SystemServiceDoubles system;
    SteadyMonotonicSource time;
    MainWindow window(system.servicesWith(time, cues, serialPort, messageBoxes));
    Form1& form = window.form();
    Cycle cycle(form, [&app](std::function<void()> task) {
        QMetaObject::invokeMethod(&app, std::move(task), Qt::QueuedConnection);
    });
    DisplayStatePublisher displayState(cycle);
    displayState.changed.connect([&server](const DisplayState& state) { server.publish(state); });
    QtTimerDriver driver(time);
    for (Timer* timer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer4, &form.Timer5,
                         &form.Timer6, &form.Timer7}) {
        driver.attach(*timer);
    }
    window.Form_Load();
    form.Clock2.setClockTimeText("00.00.10");
    form.Clock1.setClockTimeText("00.00.10");
    form.Clock3.setClockTimeText("00.01.00");
    form.Option3.select();

    const QString self = QCoreApplication::applicationFilePath();
    const RunFigures none = measure(app, form, serialPort, port, 0, self);
    const RunFigures one = measure(app, form, serialPort, port, 1, self);
    const RunFigures many = measure(app, form, serialPort, port, kManyClients, self);
    print("no client", none);
    print("1 client", one);
    print("200 clients", many);
    std::printf("extra with 200 clients: CPU %.3f %% of one core (target <= 2 %%), memory %+ld "
                "KiB (target <= 10240 KiB)\n",
                many.cpuPercent - none.cpuPercent, many.extraKiB);
    const bool ok = !one.lastClientMs.empty() && percentile(one.lastClientMs, 0.5) <= 2 &&
                    percentile(one.lastClientMs, 1.0) <= 10 &&
                    percentile(many.lastClientMs, 0.99) <= 20 &&
                    many.cpuPercent - none.cpuPercent <= 2 && many.extraKiB <= 10240;
    std::printf("%s\n", ok ? "OK" : "FAILED");
    return ok ? 0 : 1;
}

// A confirmed group on its way to the pilots' phones, in real time: the whole timer as the program
// composes it (its view and devices aside) on Qt timers, its scores and the pilots' page's server,
// with 60 page clients in a child process of their own. Each client does what the page does: it
// hears the state on the WebSocket and fetches /api/results whenever the state names a newer
// version. The contest has 120 pilots over 15 rounds in groups of 10, the first 14 rounds scored
// and confirmed; a cycle runs throughout. Ten times, the director enters a group's ten cards a
// tenth of a second apart and, two seconds later, confirms the group. Prints, from each
// confirmation to each client holding the confirmed results: the median and the slowest, and the
// slowest of each group; the time the confirmation held the timer's thread (saving the scores,
// the day log's line, scoring and the page's results); and the frames' lateness against their
// seconds meanwhile. Targets: every client
// within 1 s, frames within 100 ms.
#include "Figures.h"
#include "FrameStamps.h"
#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"
#include "app/FieldComposition.h"
#include "app/TimerComposition.h"
#include "scores/ScoreSheetJson.h"
#include "systems/qt/QtTimerDriver.h"
#include "web/ResultsJson.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebSocket>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using namespace aerolap;
using testing::stampNs;

constexpr int kClients = 60;
constexpr int kPilots = 120;
constexpr int kRounds = 15;
constexpr int kGroupSize = 10;
constexpr int kGroups = kPilots / kGroupSize;
constexpr int kConfirmations = 10;
constexpr auto kBetweenCards = 100ms;
constexpr auto kBeforeConfirming = 2s;
constexpr auto kAfterConfirming = 2s;
constexpr auto kSettle = 3s;
constexpr char kTasks[] = "ABCDEFGHIJKLMN";
constexpr double kTargetMs = 1000;
constexpr double kFrameLimitMs = 100;

std::string pilotName(int pilot) {
    return "Pilot " + std::to_string(pilot + 1);
}

/// Round `round`'s group of each pilot: a different mix of pilots every round.
int groupOf(int pilot, int round) {
    return (pilot * 7 + round * 13) % kPilots / kGroupSize;
}

/// The contest day: its rounds of every task and the draw, teams of three.
QByteArray scheduleJson() {
    QJsonArray pilots;
    for (int pilot = 0; pilot < kPilots; ++pilot) {
        pilots.append(QJsonObject{{"name", QString::fromStdString(pilotName(pilot))},
                                  {"team", QStringLiteral("Team %1").arg(pilot / 3 + 1)}});
    }
    QJsonArray rounds, drawn;
    for (int round = 0; round < kRounds; ++round) {
        const char task = kTasks[round % 14];
        QJsonObject scheduled{{"task", QString(QChar::fromLatin1(task))},
                              {"working", task == 'C' ? "00.03.03" : "00.10.00"},
                              {"groups", kGroups}};
        if (task == 'C') {
            scheduled.insert("flights", 3);
        }
        rounds.append(scheduled);
        std::vector<QJsonArray> groups(kGroups);
        for (int pilot = 0; pilot < kPilots; ++pilot) {
            groups[static_cast<std::size_t>(groupOf(pilot, round))].append(
                QString::fromStdString(pilotName(pilot)));
        }
        QJsonArray roundGroups;
        for (const QJsonArray& group : groups) {
            roundGroups.append(group);
        }
        drawn.append(roundGroups);
    }
    return QJsonDocument(QJsonObject{{"name", "Results benchmark"},
                                     {"date", "2026-06-13"},
                                     {"preparation", "00.00.10"},
                                     {"gap", "00.00.10"},
                                     {"rounds", rounds},
                                     {"draw", QJsonObject{{"pilots", pilots}, {"rounds", drawn}}}})
        .toJson();
}

Card randomCard(std::mt19937& random, int flights, int longest) {
    Card card;
    for (int flight = 0; flight < flights; ++flight) {
        card.flights.push_back(
            {.seconds = 5 + static_cast<int>(random() % static_cast<unsigned>(longest - 5)),
             .target = 60});
    }
    card.penalty = random() % 50 == 0 ? 100 : 0;
    return card;
}

/// Every round but the last scored and confirmed.
QByteArray scoresJson(std::mt19937& random) {
    ScoreSheet sheet;
    for (int round = 0; round + 1 < kRounds; ++round) {
        const char task = kTasks[round % 14];
        for (int pilot = 0; pilot < kPilots; ++pilot) {
            GroupSheet& group = sheet.group(round, groupOf(pilot, round));
            group.confirmed = true;
            group.cards[pilotName(pilot)] =
                randomCard(random, task == 'C' ? 3 : 1 + static_cast<int>(random() % 3),
                           task == 'C' ? 183 : 600);
        }
    }
    return scoreSheetJson(sheet);
}

/// The child, given the page's port and how many seconds to run: the clients, each printing
/// "client stamp version" whenever it holds newer results.
int runPages(const QStringList& arguments) {
    const quint16 port = arguments.value(0).toUShort();
    const int seconds = arguments.value(1).toInt();
    struct Client {
        QWebSocket socket;
        QNetworkAccessManager network;
        int wanted = 0;
        int held = 0;
        bool fetching = false;
    };
    std::vector<std::unique_ptr<Client>> clients;
    const QUrl results(QStringLiteral("http://127.0.0.1:%1/api/results").arg(port));
    for (int i = 0; i < kClients; ++i) {
        Client& client = *clients.emplace_back(std::make_unique<Client>());
        // As the page does: one fetch at a time, again while the state names a newer version.
        const auto fetchWanted = [&client, results, i](const auto& again) -> void {
            if (client.fetching || client.wanted <= client.held) {
                return;
            }
            client.fetching = true;
            QNetworkReply* reply = client.network.get(QNetworkRequest(results));
            QObject::connect(reply, &QNetworkReply::finished, [&client, reply, i, again] {
                const int version =
                    QJsonDocument::fromJson(reply->readAll()).object()["version"].toInt();
                const long long at = stampNs();
                reply->deleteLater();
                client.fetching = false;
                if (version > client.held) {
                    client.held = version;
                    std::printf("%d %lld %d\n", i, at, version);
                }
                again(again);
            });
        };
        QObject::connect(
            &client.socket, &QWebSocket::textMessageReceived,
            [&client, fetchWanted](const QString& message) {
                client.wanted =
                    std::max(client.wanted,
                             QJsonDocument::fromJson(message.toUtf8()).object()["results"].toInt());
                fetchWanted(fetchWanted);
            });
        client.socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(port)));
    }
    QTimer::singleShot(std::chrono::seconds(seconds), &QCoreApplication::quit);
    const int status = QCoreApplication::exec();
    std::fflush(stdout);
    return status;
}

void runFor(std::chrono::milliseconds span) {
    QTimer::singleShot(span, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
}

class NeverSuspended final : public SuspendedTime {
public:
    std::chrono::nanoseconds sleptSoFar() const override { return {}; }
};

class NoStayAwake final : public StayAwake {
public:
    void holdDisplay(bool) override {}
};

struct Confirmation {
    int version = 0;
    long long at = 0;
    double heldMs = 0;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (const QStringList arguments = QCoreApplication::arguments();
        arguments.value(1) == QStringLiteral("--pages")) {
        return runPages(arguments.mid(2));
    }

    QTemporaryDir folder;
    std::mt19937 random(20260613);
    const QString schedule = folder.filePath(QStringLiteral("day.json"));
    for (const auto& [path, bytes] :
         {std::pair{schedule, scheduleJson()},
          std::pair{folder.filePath(QStringLiteral("day.scores.json")), scoresJson(random)}}) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }

    testing::StampingSerialPort serialPort;
    testing::SilentCues cues;
    testing::ScriptedMessageBoxes messageBoxes;
    testing::SystemServiceDoubles system;
    SteadyMonotonicSource time;
    SystemWallClock wall;
    NeverSuspended suspended;
    NoticeBoard notices(wall, std::cerr);
    const auto runSoon = [&app](std::function<void()> task) {
        QMetaObject::invokeMethod(&app, std::move(task), Qt::QueuedConnection);
    };
    TimerComposition timer(system.servicesWith(time, cues, serialPort, messageBoxes), runSoon,
                           {wall, suspended, notices, folder.path().toStdString()},
                           folder.filePath(QStringLiteral("log")).toStdString());
    QtTimerDriver driver(time, [&timer](const Timer& due) { timer.beforeTick(due); });
    for (Timer* each : timer.timers()) {
        driver.attach(*each);
    }
    PilotsDisplayThread server;
    const quint16 port = server.start(QHostAddress::LocalHost, 0).first.value_or(0);
    NoStayAwake awake;
    FineTimersAlready resolution;
    const FieldComposition field(
        timer, {awake, resolution, &server, nullptr, [] { return false; }, notices, runSoon});
    timer.load(schedule.toStdString());
    ScoresSession& scores = timer.scores();
    if (std::ssize(scores.contest().pilots) != kPilots) {
        std::fprintf(stderr, "the contest day did not load\n");
        return 1;
    }

    const auto wholeRun = kSettle + kConfirmations * (kGroupSize * kBetweenCards +
                                                      kBeforeConfirming + kAfterConfirming);
    QProcess child;
    child.start(
        QCoreApplication::applicationFilePath(),
        {QStringLiteral("--pages"), QString::number(port),
         QString::number(
             std::chrono::duration_cast<std::chrono::seconds>(wholeRun + kSettle).count())});
    runFor(kSettle);

    // The cycle counts its seconds from the click, as the frame of START shows; the frames before
    // it were the schedule's set-up.
    serialPort.frames.clear();
    const long long startNs = stampNs();
    timer.form().Command5.click();
    std::vector<Confirmation> confirmations;
    const int lastRound = kRounds - 1;
    for (int group = 0; group < kConfirmations; ++group) {
        for (const int pilot : scores.pilotsOf({lastRound, group})) {
            Card card = randomCard(random, 1 + static_cast<int>(random() % 3), 600);
            card.pilot = pilot;
            if (!scores.enter({lastRound, group}, card).taken) {
                std::fprintf(stderr, "a card was refused\n");
                return 1;
            }
            runFor(kBetweenCards);
        }
        runFor(kBeforeConfirming);
        const long long at = stampNs();
        scores.confirmGroup({lastRound, group});
        // The feed names its new version to the state at once, on this thread.
        confirmations.push_back({timer.displayState().current().resultsVersion, at,
                                 static_cast<double>(stampNs() - at) / 1e6});
        runFor(kAfterConfirming);
    }
    const auto frames = serialPort.frames;
    timer.form().Command7.click();
    child.waitForFinished(static_cast<int>(std::chrono::milliseconds(kSettle * 3).count()));

    // client -> (stamp, version), in the order each client came to hold them
    std::map<int, std::vector<std::pair<long long, int>>> held;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() == 3) {
            held[fields[0].toInt()].emplace_back(fields[1].toLongLong(), fields[2].toInt());
        }
    }
    testing::Figures toClients, slowestOfGroup, timerThread, lateness;
    int missed = 0;
    for (const Confirmation& confirmed : confirmations) {
        timerThread.add(confirmed.heldMs);
        double slowest = 0;
        for (int client = 0; client < kClients; ++client) {
            const auto& seen = held[client];
            const auto first = std::ranges::find_if(seen, [&confirmed](const auto& each) {
                return each.first >= confirmed.at && each.second >= confirmed.version;
            });
            if (first == seen.end()) {
                ++missed;
                continue;
            }
            const double ms = static_cast<double>(first->first - confirmed.at) / 1e6;
            toClients.add(ms);
            slowest = std::max(slowest, ms);
        }
        slowestOfGroup.add(slowest);
    }
    for (const auto& [at, frame] : frames) {
        const double sinceStart = static_cast<double>(at - startNs) / 1e6;
        // Against the nearest whole second: a frame a hair early counts as early.
        lateness.add(sinceStart - 1000.0 * std::round(sinceStart / 1000.0));
    }
    const double slowestMs =
        std::ranges::max(toClients.values.empty() ? std::vector{0.0} : toClients.values);
    const double latestFrameMs =
        std::ranges::max(lateness.values.empty() ? std::vector{0.0} : lateness.values);
    std::printf("%d clients, %d pilots over %d rounds, /api/results of %lld bytes\n", kClients,
                kPilots, kRounds,
                static_cast<long long>(resultsJson(scores.contest(), scores.results()).size()));
    toClients.print("confirm to each client holding the results");
    slowestOfGroup.print("confirm to the last client, per group");
    timerThread.print("confirm held the timer's thread");
    lateness.print("frames against their second");
    std::printf("%d of %d deliveries missed\n", missed, kClients * kConfirmations);
    const bool ok = missed == 0 && !toClients.values.empty() && slowestMs <= kTargetMs &&
                    !lateness.values.empty() && latestFrameMs <= kFrameLimitMs;
    std::printf("%s\n", ok ? "OK" : "FAILED");
    return ok ? 0 : 1;
}

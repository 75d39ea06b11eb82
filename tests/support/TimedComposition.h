#pragma once

#include "RecordingCuePlayer.h"
#include "RecordingSerialPort.h"
#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"
#include "app/FieldComposition.h"
#include "app/TimerComposition.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <utility>
#include <vector>

namespace aerolap::testing {

/// The whole timer as the program wires it, in virtual time that starts `startAt` after the
/// harness's zero (so that a second one can stand at any moment of the first one's day), with
/// its state file in a folder of its own. The tasks it asks to run soon run after each virtual
/// millisecond's ticks, as the event loop's next turn would.
struct TimedComposition {
    explicit TimedComposition(std::chrono::milliseconds startAt = {}) : m_startAt(time, startAt) {
        for (Timer* each : timer.timers()) {
            time.attach(*each);
        }
        time.beforeTick = [this](const Timer& due) { timer.beforeTick(due); };
    }

    bool runUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
        runSoon();
        return done() || time.advanceUntil(done, limit);
    }
    void run(std::chrono::milliseconds duration) {
        runUntil([] { return false; }, duration);
    }
    void runSoon() { time.runSoonTasks(); }
    /// Every record handed to the state file is written.
    void settle() {
        runSoon();
        timer.files().flush(FileWriter::kPatience);
    }
    /// Loads the schedule `json`, written to a file of the state folder.
    void loadSchedule(const char* json) {
        const std::string path = stateFolder.filePath(QStringLiteral("day.json")).toStdString();
        std::ofstream(path) << json;
        timer.load(path);
    }
    std::string noticesText() const { return noticeLines.str(); }
    std::filesystem::path stateFile() const {
        return std::filesystem::path(stateFolder.path().toStdString()) / StateFile::kName;
    }

    VirtualTime time;

private:
    struct StartAt {
        StartAt(VirtualTime& time, std::chrono::milliseconds at) { time.sleep(at); }
    } m_startAt;

public:
    RecordingCuePlayer cues{time};
    RecordingSerialPort port{time};
    ScriptedMessageBoxes messageBoxes;
    SystemServiceDoubles system;
    std::ostringstream noticeLines;
    NoticeBoard notices{time.wall, noticeLines};
    QTemporaryDir stateFolder;
    TimerComposition timer{system.servicesWith(time, cues, port, messageBoxes),
                           [this](auto task) { time.runSoon(std::move(task)); },
                           {time.wall, time.slept, notices, stateFolder.path().toStdString()},
                           stateFolder.filePath(QStringLiteral("log")).toStdString()};
    Form1& form = timer.form();
};

/// The display holds asked of the system, each at its virtual millisecond.
struct RecordingStayAwake final : StayAwake {
    explicit RecordingStayAwake(const VirtualTime& clock) : time(clock) {}
    void holdDisplay(bool held) override { holds.emplace_back(time.elapsed().count(), held); }

    const VirtualTime& time;
    std::vector<std::pair<long long, bool>> holds;
};

/// The whole program as it is wired, views and system aside: the timer and what reaches beyond
/// its window, with the pilots' page's server when given, and then the remote with its devices
/// in the state folder. Work handed to the timer's thread runs on the test's event loop, then
/// what it asked to run soon.
struct TimedField : TimedComposition {
    explicit TimedField(PilotsDisplayThread* pages = nullptr)
        : remote(pages == nullptr ? nullptr
                                  : std::make_unique<RemoteAccess>(time, time.wall, notices,
                                                                   stateFolder.path().toStdString(),
                                                                   timer.files())),
          field(timer, {awake, resolution, pages, remote.get(),
                        [this] { return timer.messageBoxes().showing(); }, notices,
                        [this](std::function<void()> task) {
                            QMetaObject::invokeMethod(
                                QCoreApplication::instance(),
                                [this, task = std::move(task)] {
                                    task();
                                    runSoon();
                                },
                                Qt::QueuedConnection);
                        }}) {}

    RecordingStayAwake awake{time};
    FineTimersAlready resolution;
    std::unique_ptr<RemoteAccess> remote;
    FieldComposition field;
};

} // namespace aerolap::testing

#pragma once

#include "RecordingCuePlayer.h"
#include "RecordingSerialPort.h"
#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"
#include "app/TimerComposition.h"

#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <sstream>
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
        const auto runSoonTasks = [this, &done] {
            runSoon();
            return done();
        };
        return runSoonTasks() || time.advanceUntil(runSoonTasks, limit);
    }
    void run(std::chrono::milliseconds duration) {
        runUntil([] { return false; }, duration);
    }
    void runSoon() {
        for (std::size_t i = 0; i < soon.size(); ++i) {
            soon[i]();
        }
        soon.clear();
    }
    /// Every record handed to the state file is written.
    void settle() {
        runSoon();
        timer.stateFile().flush();
    }
    std::string noticesText() const { return noticeLines.str(); }

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
    std::vector<std::function<void()>> soon;
    TimerComposition timer{system.servicesWith(time, cues, port, messageBoxes),
                           [this](auto task) { soon.push_back(std::move(task)); },
                           {time.wall, time.slept, notices, stateFolder.path().toStdString()},
                           stateFolder.filePath(QStringLiteral("log")).toStdString()};
    Form1& form = timer.form();
};

} // namespace aerolap::testing

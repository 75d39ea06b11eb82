#pragma once

#include "day_log/CycleEventLog.h"
#include "day_log/DayLog.h"
#include "day_log/LoggedCuePlayer.h"
#include "day_log/LoggedExit.h"
#include "day_log/LoggedSerialPort.h"
#include "files/FileWriter.h"
#include "notices/GuardedMessageBoxes.h"
#include "notices/NoticeBoard.h"
#include "pilots_display/DisplayStatePublisher.h"
#include "platform/SuspendedTime.h"
#include "platform/WallClock.h"
#include "recovery/CrashResume.h"
#include "recovery/CycleRecorder.h"
#include "recovery/Replay.h"
#include "recovery/StateFile.h"
#include "recovery/SuspendWatch.h"
#include "recovery/TimerCatchUp.h"
#include "schedule/ScheduleAnnouncer.h"
#include "schedule/ScheduleRunner.h"
#include "schedule/ScheduleSession.h"
#include "scores/ScoresSession.h"
#include "ui/main/MainWindow.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace aerolap {

/// What the timer needs to come back after a suspend or a crash: the date and time, the time the
/// machine has slept, where to tell the director, and the folder of the state file.
struct RecoveryServices {
    const WallClock& wall;
    const SuspendedTime& suspended;
    NoticeBoard& notices;
    std::filesystem::path stateFolder;
};

/// The timer without its views: the main window with its handlers, the contest schedule that
/// drives it as the director would, and the pilots' display state, wired in the one order in
/// which they agree (see the constructor). The caller brings the services (the program's own,
/// or a test's doubles), the way to run a task once the event being handled is over, and the
/// driver of the timers.
class TimerComposition {
public:
    /// The day log is written to `dayLogFolder`, one file a day.
    TimerComposition(const MainWindowServices& services, Cycle::RunSoon runSoon,
                     const RecoveryServices& recovery, const std::filesystem::path& dayLogFolder);
    TimerComposition(const TimerComposition&) = delete;
    TimerComposition& operator=(const TimerComposition&) = delete;

    /// The window's load sequence; then, after a crash, the offer to resume the cycle that was
    /// running; then the schedule file when there is one, and the draw for it: the schedule
    /// replaces the start-up times that the load sequence writes. A bad file has been named in a
    /// message box; the timer runs on without it.
    void load(const std::optional<std::string>& scheduleFile,
              const std::optional<std::string>& drawFile = std::nullopt);

    /// The drivers' hook, right before each tick they run: catches up a span of time the handlers
    /// missed (a suspended laptop), so the tick finds the cycle where real time says.
    void beforeTick(const Timer& timer) { m_suspendWatch.beforeTick(timer); }

    MainWindow& window() { return m_window; }
    /// The cycle by what it means, and its snapshot after each event.
    Cycle& cycle() { return m_cycle; }
    /// The message boxes every part shows its boxes through; none from a tick.
    GuardedMessageBoxes& messageBoxes() { return m_messageBoxes; }
    Form1& form() { return m_window.form(); }
    ScheduleRunner& scheduleRunner() { return m_scheduleRunner; }
    ScheduleSession& schedule() { return m_schedule; }
    /// The contest's scores, kept with the schedule.
    ScoresSession& scores() { return m_scores; }
    const DisplayStatePublisher& displayState() const { return m_displayState; }
    DisplayStatePublisher& displayState() { return m_displayState; }

    /// Every timer that needs a driver: the window's seven, the schedule's gap and its words.
    std::array<Timer*, 9> timers();

    /// Where every event of the day is recorded; the director's remote records its commands here.
    DayLog& dayLog() { return m_dayLog; }
    /// What writes every file while the program runs.
    FileWriter& files() { return m_files; }

private:
    static MainWindowServices replayed(const MainWindowServices& services, Replay& replay,
                                       ProgramExit& exit, MessageBoxService& boxes);
    bool anyTickRunning();

    // Made, and so wired, in this order: see the constructor.
    GuardedMessageBoxes m_messageBoxes;
    FileWriter m_files;
    DayLog m_dayLog;
    LoggedCuePlayer m_loggedCues;
    LoggedSerialPort m_loggedPort;
    LoggedExit m_loggedExit;
    Replay m_replay;
    MainWindow m_window;
    Cycle m_cycle;
    ScheduleRunner m_scheduleRunner;
    ScheduleSession m_schedule;
    ScoresSession m_scores;
    ScheduleAnnouncer m_announcer;
    DisplayStatePublisher m_displayState;
    TimerCatchUp m_catchUp;
    StateFile m_stateFile;
    CycleRecorder m_recorder;
    CrashResume m_crashResume;
    SuspendWatch m_suspendWatch;
    CycleEventLog m_cycleEvents;
    const WallClock& m_wall;
};

} // namespace aerolap

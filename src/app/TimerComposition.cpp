#include "TimerComposition.h"

#include "ScheduleFrameFeed.h"

#include <algorithm>
#include <utility>

namespace aerolap {

// Every part connects itself to the events it watches when it is made, and an event calls its
// listeners in the order they connected: the order of the members is the order in which they
// hear each click, tick and change. It is this one:
//  1. The window: the engine's handlers, the serial link's frame on each change of the time
//     display, the window's own behaviours. Every part below watches what a handler did, so it
//     must hear each event after the handler has run: the runner sees START once the cycle runs,
//     the schedule's STOP frame reads the cycle already stopped.
//  2. The cycle by meaning, whose moments the runner acts on and whose snapshot, once each event
//     is over, everyone else watches.
//  3. The schedule runner, which the parts below watch, and its file's session; then the scores,
//     which hear a schedule opened once the runner has it.
//  4. The spoken announcements, the schedule's frame and the pilots' display state. These share
//     no event, so their order among themselves is free. The frame is wired in the body: it hears
//     only STOP, which no part after the runner hears, so it keeps its place after the runner.
//  5. What comes back after a suspend or a crash: the catch-up books every timer's ticks, the
//     recorder writes the state from each snapshot.
//  6. The day log's listeners, which record the snapshots, the catch-up and the resume.
// Before all of them, the replay stands between the handlers and the time, the cues and the
// port, and the logged exit between them and the way out; these listen to nothing. Every part's
// message boxes go through one guard that turns a box asked for during a tick into a notice. Before
// the replay, the day log's stand-ins take the cues and frames that reach the real player and port.
// The files' writer comes before everything that writes, and so goes after it.
// A part made before one it listens to loses its connections when that one is made (making it
// clears its events), so the timer runs with a deaf part: TimerCompositionTest fails then.
TimerComposition::TimerComposition(const MainWindowServices& services, Cycle::RunSoon runSoon,
                                   const RecoveryServices& recovery,
                                   const std::filesystem::path& dayLogFolder)
    : m_messageBoxes(services.messageBoxes, recovery.notices, [this] { return anyTickRunning(); }),
      m_files(recovery.notices), m_dayLog(m_files, dayLogFolder, services.time, recovery.wall),
      m_loggedCues(services.cues, m_dayLog), m_loggedPort(services.serialPort, m_dayLog),
      m_loggedExit(m_recorder, m_dayLog, m_files, services.programExit),
      m_replay(services.time, m_loggedCues, m_loggedPort),
      m_window(replayed(services, m_replay, m_loggedExit, m_messageBoxes)),
      m_cycle(m_window.form(), std::move(runSoon)), m_scheduleRunner(m_cycle, m_replay.time()),
      m_schedule(m_scheduleRunner, m_messageBoxes),
      m_scores(m_scheduleRunner, m_schedule, m_files, m_dayLog, recovery.notices),
      m_announcer(m_scheduleRunner, m_cycle, m_replay.cues(), m_replay.time()),
      m_displayState(m_cycle, &m_scheduleRunner), m_catchUp(m_replay, timers()),
      m_stateFile(recovery.stateFolder, m_files, recovery.notices),
      m_recorder(m_cycle, services.time, recovery.wall, m_stateFile),
      m_crashResume(m_cycle, m_schedule, m_replay, m_catchUp, recovery.wall, m_messageBoxes,
                    recovery.notices),
      m_suspendWatch(m_catchUp, services.time, recovery.suspended, recovery.notices),
      m_cycleEvents(m_dayLog, m_cycle, m_suspendWatch, m_crashResume, recovery.notices),
      m_wall(recovery.wall) {
    feedScheduleFrames(m_scheduleRunner, m_cycle, m_window.displayLink());
    m_cycle.placeSchedule([this] { return m_schedule.place(); });
    m_loggedCues.follow(m_cycle);
    m_loggedPort.follow(m_cycle);
    m_dayLog.record(ProgramStarted{});
}

MainWindowServices TimerComposition::replayed(const MainWindowServices& services, Replay& replay,
                                              ProgramExit& exit, MessageBoxService& boxes) {
    return {replay.time(),     replay.cues(),  replay.port(),    boxes, services.stacking, exit,
            services.registry, services.files, services.programs};
}

bool TimerComposition::anyTickRunning() {
    return std::ranges::any_of(timers(), [](const Timer* timer) { return timer->firing(); });
}

void TimerComposition::load(const std::optional<std::string>& scheduleFile,
                            const std::optional<std::string>& drawFile) {
    m_window.Form_Load();
    const auto record = m_stateFile.read(m_wall.now());
    const auto recorded = record ? record->schedule : std::nullopt;
    m_schedule.recallPlacesFrom([recorded](const std::string& path) {
        return recorded && recorded->file == path ? recorded : std::nullopt;
    });
    const auto outcome =
        record ? m_crashResume.offer(*record) : CrashResume::Outcome::NothingToResume;
    // One question at a start: a declined cycle's schedule stays at its place without another,
    // and a resumed one runs on the schedule it had.
    bool opened = false;
    if (scheduleFile && outcome == CrashResume::Outcome::Declined && recorded &&
        recorded->file == *scheduleFile) {
        opened =
            m_schedule.openAt(*scheduleFile, {recorded->round, recorded->group, recorded->flight});
    } else if (scheduleFile && outcome != CrashResume::Outcome::Resumed) {
        opened = m_schedule.open(*scheduleFile);
    }
    if (opened && drawFile) {
        m_schedule.importDraw(*drawFile);
    }
    // From here on the file says this run has not ended cleanly.
    m_recorder.recordNow();
}

std::array<Timer*, 9> TimerComposition::timers() {
    const auto window = m_window.form().timers();
    std::array<Timer*, 9> all{};
    std::ranges::copy(window, all.begin());
    all[window.size()] = &m_scheduleRunner.gapTimer;
    all[window.size() + 1] = &m_announcer.wordTimer;
    return all;
}

} // namespace aerolap

#pragma once

#include "DisplayAwakeWhileRunning.h"
#include "TimerComposition.h"
#include "engine/FineTimersDuringCycle.h"
#include "remote/RemoteAccess.h"
#include "remote/RemoteCommandDesk.h"
#include "scores/TimekeeperDesk.h"
#include "web/PilotsDisplayThread.h"
#include "web/ResultsFeed.h"

#include <functional>
#include <optional>

namespace aerolap {

/// What the parts beyond the window need from the program and the system.
struct FieldServices {
    StayAwake& stayAwake;
    TimerResolution& timerResolution;
    /// The pilots' page's server, when it runs.
    PilotsDisplayThread* pages;
    /// The phones' access (the director's remote, the timekeepers' cards), unless it is switched
    /// off; their pages are served with the pilots'.
    RemoteAccess* remote;
    /// Whether a dialog waits for the director's answer: no remote command runs inside one.
    RemoteCommandDesk::DialogOpen dialogOpen;
    NoticeBoard& notices;
    /// Runs a task on the timer's thread, from any thread.
    std::function<void(std::function<void()>)> onTimerThread;
};

/// What of the timer reaches beyond its window at the field: the laptop held awake and its timers
/// kept fine while a cycle runs, the pilots' page fed with each state, draw and version of the
/// results, the director's remote, whose commands are carried out on the timer's own thread, as
/// the window's buttons would be, and recorded in the day log, and the timekeepers' phones, whose
/// cards go into the scores there. Made after the timer, it hears each
/// snapshot after the timer's own parts, in the order in which it connects them.
class FieldComposition {
public:
    FieldComposition(TimerComposition& timer, const FieldServices& services);
    FieldComposition(const FieldComposition&) = delete;
    FieldComposition& operator=(const FieldComposition&) = delete;

private:
    void feedPages(PilotsDisplayThread& pages);
    void serveRemote(PilotsDisplayThread& pages, RemoteAccess& remote,
                     const FieldServices& services);
    void serveTimekeepers(PilotsDisplayThread& pages, RemoteAccess& remote,
                          const FieldServices& services);

    TimerComposition& m_timer;
    std::optional<ResultsFeed> m_results;
    std::optional<RemoteCommandDesk> m_remoteDesk;
    std::optional<TimekeeperDesk> m_timekeeperDesk;
};

} // namespace aerolap

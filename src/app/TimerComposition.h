#pragma once

#include "ScheduleFrameFeed.h"
#include "pilots_display/DisplayStatePublisher.h"
#include "schedule/ScheduleAnnouncer.h"
#include "schedule/ScheduleRunner.h"
#include "schedule/ScheduleSession.h"
#include "ui/main/MainWindow.h"

#include <array>
#include <optional>
#include <string>

namespace aerolap {

/// The timer without its views: the main window with its handlers, the contest schedule that
/// drives it as the director would, and the pilots' display state, wired in the one order in
/// which they agree (see the constructor). The caller brings the services (the program's own,
/// or a test's doubles), the way to run a task once the event being handled is over, and the
/// driver of the timers.
class TimerComposition {
public:
    TimerComposition(const MainWindowServices& services, DisplayStatePublisher::RunSoon runSoon);
    TimerComposition(const TimerComposition&) = delete;
    TimerComposition& operator=(const TimerComposition&) = delete;

    /// The window's load sequence, then the schedule file when there is one, and the draw for it:
    /// the schedule replaces the start-up times that the load sequence writes. A bad file has
    /// been named in a message box; the timer runs on without it.
    void load(const std::optional<std::string>& scheduleFile,
              const std::optional<std::string>& drawFile = std::nullopt);

    MainWindow& window() { return m_window; }
    Form1& form() { return m_window.form(); }
    ScheduleRunner& scheduleRunner() { return m_scheduleRunner; }
    ScheduleSession& schedule() { return m_schedule; }
    const DisplayStatePublisher& displayState() const { return m_displayState; }
    DisplayStatePublisher& displayState() { return m_displayState; }

    /// Every timer that needs a driver: the window's seven, the schedule's gap and its words.
    std::array<Timer*, 9> timers();

private:
    // Made, and so wired, in this order: see the constructor.
    MainWindow m_window;
    ScheduleRunner m_scheduleRunner;
    ScheduleSession m_schedule;
    ScheduleAnnouncer m_announcer;
    ScheduleFrameFeed m_scheduleFrames;
    DisplayStatePublisher m_displayState;
};

} // namespace aerolap

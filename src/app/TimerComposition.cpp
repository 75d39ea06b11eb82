#include "TimerComposition.h"

#include <utility>

namespace aerolap {

// Every part connects itself to the events it watches when it is made, and an event calls its
// listeners in the order they connected: the order of the members is the order in which they
// hear each click, tick and change. It is this one:
//  1. The window: the engine's handlers, the serial link's frame on each change of the time
//     display, the window's own behaviours. Every part below watches what a handler did, so it
//     must hear each event after the handler has run: the runner sees START once the cycle runs,
//     the schedule's STOP frame reads the cycle already stopped.
//  2. The schedule runner, which the parts below watch.
//  3. The state file, the spoken announcements, the schedule's frame and, last, the pilots'
//     display state, which reads them all. These share no event, so their order among
//     themselves is free.
// A part made before one it listens to loses its connections when that one is made (making it
// clears its events), so the timer runs with a deaf part: TimerCompositionTest fails then.
TimerComposition::TimerComposition(const MainWindowServices& services,
                                   DisplayStatePublisher::RunSoon runSoon)
    : m_window(services), m_scheduleRunner(m_window.form(), services.time),
      m_schedule(m_scheduleRunner, services.messageBoxes),
      m_announcer(m_scheduleRunner, m_window.form(), services.cues, services.time),
      m_scheduleFrames(m_scheduleRunner, m_window.form(), m_window.displayLink()),
      m_displayState(m_window.form(), std::move(runSoon), &m_scheduleRunner) {}

void TimerComposition::load(const std::optional<std::string>& scheduleFile,
                            const std::optional<std::string>& drawFile) {
    m_window.Form_Load();
    if (scheduleFile && m_schedule.open(*scheduleFile) && drawFile) {
        m_schedule.importDraw(*drawFile);
    }
}

std::array<Timer*, 9> TimerComposition::timers() {
    Form1& form = m_window.form();
    return {&form.Timer1,          &form.Timer2, &form.Timer3, &form.Timer4,
            &form.Timer5,          &form.Timer6, &form.Timer7, &m_scheduleRunner.gapTimer,
            &m_announcer.wordTimer};
}

} // namespace aerolap

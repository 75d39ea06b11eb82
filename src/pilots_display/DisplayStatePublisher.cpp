#include "DisplayStatePublisher.h"

#include "ScheduledCycleOf.h"

#include <utility>

namespace aerolap {

DisplayStatePublisher::DisplayStatePublisher(Form1& form, RunSoon runSoon, ScheduleRunner* runner)
    : m_form(form), m_runSoon(std::move(runSoon)), m_runner(runner),
      m_current(displayStateOf(form)) {
    if (runner != nullptr) {
        runner->changed.connect([this] { refreshSoon(); });
    }
    // The time display's change is also when the serial link writes its frame: made after the
    // window (see TimerComposition), the refresh is asked for right behind the frame.
    for (Label* label : {&form.Label2, &form.Label4}) {
        label->changed.connect([this] { refreshSoon(); });
    }
    for (Timer* phaseTimer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer6}) {
        phaseTimer->runningChanged.connect([this](bool) { refreshSoon(); });
    }
    form.Command2.visibilityChanged.connect([this](bool) { refreshSoon(); });
}

void DisplayStatePublisher::refreshSoon() {
    if (m_refreshPending) {
        return;
    }
    m_refreshPending = true;
    m_runSoon([this] { refresh(); });
}

void DisplayStatePublisher::refresh() {
    m_refreshPending = false;
    DisplayState state = displayStateOf(m_form);
    if (m_runner != nullptr) {
        state.schedule = scheduledCycleOf(*m_runner);
    }
    if (state == m_current) {
        return;
    }
    m_current = std::move(state);
    changed.emit(m_current);
}

} // namespace aerolap

#include "DisplayStatePublisher.h"

#include "ScheduledCycleOf.h"

#include <utility>

namespace aerolap {

DisplayStatePublisher::DisplayStatePublisher(Form1& form, RunSoon runSoon, ScheduleRunner* runner)
    : m_form(form), m_runner(runner), m_current(displayStateOf(form)),
      m_refresh(std::move(runSoon), [this] { refresh(); }) {
    if (runner != nullptr) {
        runner->changed.connect([this] { m_refresh.ask(); });
    }
    // The time display's change is also when the serial link writes its frame: made after the
    // window (see TimerComposition), the refresh is asked for right behind the frame.
    for (Label* label : {&form.Label2, &form.Label4}) {
        label->changed.connect([this] { m_refresh.ask(); });
    }
    for (Timer* phaseTimer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer6}) {
        phaseTimer->runningChanged.connect([this](bool) { m_refresh.ask(); });
    }
    form.Command2.visibilityChanged.connect([this](bool) { m_refresh.ask(); });
}

void DisplayStatePublisher::refresh() {
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

#include "DisplayStatePublisher.h"

#include "ScheduledCycleOf.h"

#include <utility>

namespace aerolap {

DisplayStatePublisher::DisplayStatePublisher(Form1& form, RunSoon runSoon, ScheduleRunner* runner)
    : m_form(form), m_runner(runner), m_current(displayStateOf(form)),
      m_refresh(std::move(runSoon), [this] { refresh(); }) {
    if (runner != nullptr) {
        runner->changed.connect([this] { m_refresh.ask(); });
        // The gap shows no time of its own: its seconds are the START's count-down.
        runner->gapTimer.tick.connect([this] { m_refresh.ask(); });
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
        refreshDraw();
        state.schedule = scheduledCycleOf(*m_runner, m_draw ? m_draw->version : 0);
    }
    if (state == m_current) {
        return;
    }
    m_current = std::move(state);
    changed.emit(m_current);
}

void DisplayStatePublisher::refreshDraw() {
    auto draw = m_runner->loaded() ? drawDocumentOf(m_runner->schedule()) : std::nullopt;
    if (draw.has_value() == m_draw.has_value() && (!draw || draw->sameDrawAs(*m_draw))) {
        return;
    }
    if (draw) {
        // Versions only ever grow, so that a page never mistakes a new draw for one it has.
        draw->version = ++m_lastDrawVersion;
    }
    m_draw = std::move(draw);
    drawChanged.emit(m_draw);
}

} // namespace aerolap

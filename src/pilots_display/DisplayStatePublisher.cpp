#include "DisplayStatePublisher.h"

#include "ScheduledCycleOf.h"

#include <utility>

namespace aerolap {

DisplayStatePublisher::DisplayStatePublisher(Cycle& cycle, const ScheduleRunner* runner)
    : m_runner(runner), m_current(displayStateOf(cycle.lastSettled())) {
    cycle.settled.connect([this](const CycleSnapshot& snapshot) { refresh(snapshot); });
}

void DisplayStatePublisher::refresh(const CycleSnapshot& cycle) {
    DisplayState state = displayStateOf(cycle);
    if (m_runner != nullptr) {
        refreshDraw();
        state.schedule = scheduledCycleOf(*m_runner, m_draw ? m_draw->version : 0);
    }
    state.resultsVersion = m_current.resultsVersion;
    if (state == m_current) {
        return;
    }
    m_current = std::move(state);
    changed.emit(m_current);
}

void DisplayStatePublisher::showResultsVersion(int version) {
    if (version == m_current.resultsVersion) {
        return;
    }
    m_current.resultsVersion = version;
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

#include "FineTimersDuringCycle.h"

#include "CyclePhase.h"

#include <utility>

namespace aerolap {

FineTimersDuringCycle::FineTimersDuringCycle(Form1& form, TimerResolution& resolution,
                                             RunSoon runSoon)
    : m_form(form), m_resolution(resolution), m_runSoon(std::move(runSoon)) {
    // The phase only changes when one of its timers starts or stops.
    for (Timer* phaseTimer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer6}) {
        phaseTimer->runningChanged.connect([this](bool) { followSoon(); });
    }
    follow();
}

void FineTimersDuringCycle::followSoon() {
    if (m_followPending) {
        return;
    }
    m_followPending = true;
    m_runSoon([this] { follow(); });
}

void FineTimersDuringCycle::follow() {
    m_followPending = false;
    const CyclePhase phase = cyclePhase(m_form);
    m_resolution.setFine(phase != CyclePhase::Ready && phase != CyclePhase::Stopped);
}

} // namespace aerolap

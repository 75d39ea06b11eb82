#include "FineTimersDuringCycle.h"

#include "CyclePhase.h"

namespace aerolap {

FineTimersDuringCycle::FineTimersDuringCycle(Form1& form, TimerResolution& resolution)
    : m_form(form), m_resolution(resolution) {
    // The phase only changes when one of its timers starts or stops.
    for (Timer* phaseTimer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer6}) {
        phaseTimer->runningChanged.connect([this](bool) { follow(); });
    }
    follow();
}

void FineTimersDuringCycle::follow() {
    const CyclePhase phase = cyclePhase(m_form);
    m_resolution.setFine(phase != CyclePhase::Ready && phase != CyclePhase::Stopped);
}

} // namespace aerolap

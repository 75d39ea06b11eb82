#include "FineTimersDuringCycle.h"

#include "CyclePhase.h"

#include <utility>

namespace aerolap {

FineTimersDuringCycle::FineTimersDuringCycle(Form1& form, TimerResolution& resolution,
                                             AfterTheEvent::RunSoon runSoon)
    : m_form(form), m_resolution(resolution), m_follow(std::move(runSoon), [this] { follow(); }) {
    // The phase only changes when one of its timers starts or stops.
    for (Timer* phaseTimer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer6}) {
        phaseTimer->runningChanged.connect([this](bool) { m_follow.ask(); });
    }
    follow();
}

void FineTimersDuringCycle::follow() {
    const CyclePhase phase = cyclePhase(m_form);
    m_resolution.setFine(phase != CyclePhase::Ready && phase != CyclePhase::Stopped);
}

} // namespace aerolap

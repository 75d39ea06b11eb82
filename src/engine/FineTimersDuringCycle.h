#pragma once

#include "Form1.h"
#include "elements/AfterTheEvent.h"
#include "platform/TimerResolution.h"

namespace aerolap {

/// Keeps the system's timers fine while a cycle runs (preparation, working time, landing
/// window), so that the polls hold their one-second grid, and gives them back at READY or after
/// STOP, when nothing is timed. A handler passes from one phase to the next one timer at a time,
/// so the phase is read once the handler is over: the resolution then changes only when the
/// cycle starts or ends.
class FineTimersDuringCycle {
public:
    FineTimersDuringCycle(Form1& form, TimerResolution& resolution, AfterTheEvent::RunSoon runSoon);
    FineTimersDuringCycle(const FineTimersDuringCycle&) = delete;
    FineTimersDuringCycle& operator=(const FineTimersDuringCycle&) = delete;

private:
    void follow();

    const Form1& m_form;
    TimerResolution& m_resolution;
    AfterTheEvent m_follow;
};

} // namespace aerolap

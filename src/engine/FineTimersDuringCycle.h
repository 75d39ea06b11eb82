#pragma once

#include "Form1.h"
#include "platform/TimerResolution.h"

#include <functional>

namespace aerolap {

/// Keeps the system's timers fine while a cycle runs (preparation, working time, landing
/// window), so that the polls hold their one-second grid, and gives them back at READY or after
/// STOP, when nothing is timed. A handler passes from one phase to the next one timer at a time,
/// so the phase is read once the handler is over, through `runSoon`: the resolution then changes
/// only when the cycle starts or ends.
class FineTimersDuringCycle {
public:
    /// Runs the task once the event being handled is over (the event loop's next turn).
    using RunSoon = std::function<void(std::function<void()>)>;

    FineTimersDuringCycle(Form1& form, TimerResolution& resolution, RunSoon runSoon);
    FineTimersDuringCycle(const FineTimersDuringCycle&) = delete;
    FineTimersDuringCycle& operator=(const FineTimersDuringCycle&) = delete;

private:
    void followSoon();
    void follow();

    const Form1& m_form;
    TimerResolution& m_resolution;
    RunSoon m_runSoon;
    bool m_followPending = false;
};

} // namespace aerolap

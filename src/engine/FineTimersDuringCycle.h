#pragma once

#include "Form1.h"
#include "platform/TimerResolution.h"

namespace aerolap {

/// Keeps the system's timers fine while a cycle runs (preparation, working time, landing
/// window), so that the polls hold their one-second grid, and gives them back at READY or after
/// STOP, when nothing is timed.
class FineTimersDuringCycle {
public:
    FineTimersDuringCycle(Form1& form, TimerResolution& resolution);
    FineTimersDuringCycle(const FineTimersDuringCycle&) = delete;
    FineTimersDuringCycle& operator=(const FineTimersDuringCycle&) = delete;

private:
    void follow();

    const Form1& m_form;
    TimerResolution& m_resolution;
};

} // namespace aerolap

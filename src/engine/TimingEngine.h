#pragma once

#include "CycleController.h"
#include "Form1.h"
#include "LandingWindow.h"
#include "LatchRearm.h"
#include "MinuteBeeps.h"
#include "PreparationCountdown.h"
#include "TaskOptions.h"
#include "WorkingTimeCountdown.h"
#include "audio/CuePlayer.h"

namespace aerolap {

/// The timing engine of one window: owns the cycle's handlers and connects them to the events
/// of the window's elements.
class TimingEngine {
public:
    TimingEngine(Form1& form, CuePlayer& cues);
    TimingEngine(const TimingEngine&) = delete;
    TimingEngine& operator=(const TimingEngine&) = delete;

private:
    TaskOptions m_taskOptions;
    LatchRearm m_latchRearm;
    CycleController m_cycle;
    PreparationCountdown m_preparation;
    WorkingTimeCountdown m_workingTime;
    LandingWindow m_landing;
    MinuteBeeps m_minuteBeeps;
};

} // namespace aerolap

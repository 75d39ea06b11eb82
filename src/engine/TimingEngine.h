#pragma once

#include "Form1.h"
#include "LatchRearm.h"
#include "TaskOptions.h"
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
    Form1& m_form;
    CuePlayer& m_cues;
    TaskOptions m_taskOptions;
    LatchRearm m_latchRearm;
};

} // namespace aerolap

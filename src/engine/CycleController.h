#pragma once

#include "CueRow.h"
#include "Form1.h"
#include "TaskOptions.h"
#include "audio/CuePlayer.h"

namespace aerolap {

/// The four cycle buttons: START begins a preparation, STOP halts any phase, RESET returns to
/// ready, and the Vuz landing button cuts the working time short. Moving from phase to phase
/// when a countdown runs out is left to the polls.
class CycleController {
public:
    CycleController(Form1& form, CuePlayer& cues, TaskOptions& taskOptions)
        : m_form(form), m_cues(cues), m_taskOptions(taskOptions) {}

    void Command5_Click();
    void Command7_Click();
    void Command2_Click();
    void Command3_Click();

    /// The call START plays while its box is ticked, and the siren of the landing button: for
    /// whoever checks afterwards what a cycle should have sounded.
    static const char* startCall();
    static CueRow::Gate startCallBox();
    static const char* landingButtonCue();

private:
    Form1& m_form;
    CuePlayer& m_cues;
    TaskOptions& m_taskOptions;
};

} // namespace aerolap

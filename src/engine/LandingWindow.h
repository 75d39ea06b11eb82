#pragma once

#include "CueRow.h"
#include "CycleController.h"
#include "Form1.h"
#include "audio/CuePlayer.h"

namespace aerolap {

/// The landing-window poll: the optional landing call, the last ten seconds, and at "00.00.00"
/// the close of the cycle, which starts the next one at once when "Loop" is ticked.
class LandingWindow {
public:
    LandingWindow(Form1& form, CuePlayer& cues, CycleController& cycle)
        : m_form(form), m_cues(cues), m_cycle(cycle) {}

    void Timer1_Timer();

    /// The cue rows of the poll, and the cue at the window's end.
    static PhaseTable table();

private:
    Form1& m_form;
    CuePlayer& m_cues;
    CycleController& m_cycle;
};

} // namespace aerolap

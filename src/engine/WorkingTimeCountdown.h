#pragma once

#include "CueRow.h"
#include "Form1.h"
#include "audio/CuePlayer.h"

namespace aerolap {

/// The working-time poll: the spoken minutes three seconds early, thirty seconds, the last five,
/// and at "00.00.00" the siren and the hand-over to the landing window. The whole-minute beeps
/// are a poll of their own.
class WorkingTimeCountdown {
public:
    WorkingTimeCountdown(Form1& form, CuePlayer& cues) : m_form(form), m_cues(cues) {}

    void Timer3_Timer();

    /// The cue rows of the poll, and the cue its end plays when the time runs out.
    static PhaseTable table();

private:
    Form1& m_form;
    CuePlayer& m_cues;
};

} // namespace aerolap

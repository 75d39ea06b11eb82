#pragma once

#include "CueRow.h"
#include "Form1.h"
#include "audio/CuePlayer.h"

namespace aerolap {

/// The two preparation polls, one algorithm with two cue tables: the standard one counts down in
/// spoken numbers and ends on the siren, the Vuz one beeps the last three seconds, ends on a long
/// beep and offers the landing button. Both hand over to the working time at "00.00.00".
class PreparationCountdown {
public:
    PreparationCountdown(Form1& form, CuePlayer& cues) : m_form(form), m_cues(cues) {}

    void Timer2_Timer();
    void Timer6_Timer();

    /// Every cue that may sound in a standard preparation, whatever its boxes: the count, the
    /// siren at its end, and the minute beeps, which keep running from the previous cycle.
    static std::vector<TimedCue> standardCues();

    /// The cue rows of the standard or the Vuz count, and the cue its end plays, as the polls
    /// play them: for whoever checks afterwards what a cycle should have sounded.
    static PhaseTable table(bool vuz);

private:
    void poll(Timer Form1::*ownTimer, bool vuz);

    Form1& m_form;
    CuePlayer& m_cues;
};

} // namespace aerolap

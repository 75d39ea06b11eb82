#pragma once

#include "CueRow.h"
#include "Form1.h"
#include "audio/CuePlayer.h"

namespace aerolap {

/// The whole-minute beeps from nine down to one. Once the first working time has started this
/// poll is never stopped, so it beeps whenever the running clock shows a whole minute whose latch
/// is clear, in any phase; that is kept as it is.
class MinuteBeeps {
public:
    MinuteBeeps(Form1& form, CuePlayer& cues) : m_form(form), m_cues(cues) {}

    void Timer4_Timer();

    /// The beeps' rows, with their boxes.
    static std::span<const CueRow> rows();

private:
    Form1& m_form;
    CuePlayer& m_cues;
};

} // namespace aerolap

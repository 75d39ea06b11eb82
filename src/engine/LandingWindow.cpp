#include "LandingWindow.h"

#include "CountRows.h"
#include "CycleTexts.h"
#include "LatchRearm.h"
#include "PhaseSteps.h"
#include "audio/SoundFiles.h"

#include <array>

namespace aerolap {

namespace {

using F = Form1;
using L = CueLatches;

// The landing call comes two seconds into the window, not at its start.
constexpr auto kRows = joinRows(
    std::array{
        CueRow{"00.00.28", {&F::Check4}, &L::latchLanding30s, sounds::kLanding},
        CueRow{"00.00.10", {}, &L::latchCount10s, sounds::kCount10},
    },
    kCountFiveToOne);
constexpr auto kEndCue = sounds::kEndOfLanding;

} // namespace

void LandingWindow::Timer1_Timer() {
    if (!pollPhase(m_form, m_cues, kLandingStatus, kRows)) {
        return;
    }
    m_cues.playCue(kEndCue);
    m_form.Timer2.setEnabled(false);
    loadRunningClock(m_form, m_form.Clock2.clockTimeText());
    rearmLatches(m_form);
    m_form.Clock1.clockStop();
    m_form.Timer3.setEnabled(false);
    m_form.Timer1.setEnabled(false);

    showOnlyStart(m_form);
    m_form.Label4.setCaption(kReadyStatus);

    // This poll has already stopped itself, so the next cycle begins inside this tick.
    if (m_form.Check17.ticked()) {
        m_cycle.Command5_Click();
    }
}

PhaseTable LandingWindow::table() {
    return {kRows, kEndCue};
}

} // namespace aerolap

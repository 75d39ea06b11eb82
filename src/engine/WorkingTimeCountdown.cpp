#include "WorkingTimeCountdown.h"

#include "CountRows.h"
#include "CycleTexts.h"
#include "PhaseSteps.h"
#include "audio/SoundFiles.h"

#include <array>

namespace aerolap {

namespace {

using F = Form1;
using L = CueLatches;

// No ten-second call in the working time.
constexpr auto kRows = joinRows(
    std::array{
        CueRow{"00.09.03", {&F::Check1}, &L::latchVoice9m, sounds::kVoice9Minutes},
        CueRow{"00.08.03", {&F::Check3}, &L::latchVoice8m, sounds::kVoice8Minutes},
        CueRow{"00.07.03", {&F::Check5}, &L::latchVoice7m, sounds::kVoice7Minutes},
        CueRow{"00.06.03", {&F::Check6}, &L::latchVoice6m, sounds::kVoice6Minutes},
        CueRow{"00.05.03", {&F::Check7}, &L::latchVoice5m, sounds::kVoice5Minutes},
        CueRow{"00.04.03", {&F::Check8}, &L::latchVoice4m, sounds::kVoice4Minutes},
        CueRow{"00.03.03", {&F::Check9}, &L::latchVoice3m, sounds::kVoice3Minutes},
        CueRow{"00.02.03", {&F::Check10}, &L::latchVoice2m, sounds::kVoice2Minutes},
        CueRow{"00.01.03", {&F::Check11}, &L::latchVoice1m, sounds::kVoice1Minute},
        CueRow{"00.00.33", {&F::Check14}, &L::latchVoice30s, sounds::kVoice30Seconds},
    },
    kCountFiveToOne);
constexpr auto kEndCue = sounds::kSiren;

} // namespace

void WorkingTimeCountdown::Timer3_Timer() {
    if (!pollPhase(m_form, m_cues, kWorkingTimeStatus, kRows)) {
        return;
    }
    m_cues.playCue(kEndCue);
    startCountdown(m_form, kLandingWindowTime);
    m_form.Timer3.setEnabled(false);
    m_form.Timer1.setEnabled(true);
    m_form.Command3.setVisible(false);
}

PhaseTable WorkingTimeCountdown::table() {
    return {kRows, kEndCue};
}

} // namespace aerolap

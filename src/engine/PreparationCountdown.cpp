#include "PreparationCountdown.h"

#include "CountRows.h"
#include "CycleTexts.h"
#include "MinuteBeeps.h"
#include "PhaseSteps.h"
#include "audio/SoundFiles.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace aerolap {

namespace {

using L = CueLatches;

constexpr auto kStandardRows = joinRows(
    std::array{CueRow{"00.00.10", {}, &L::latchCount10s, sounds::kCount10}}, kCountFiveToOne);
constexpr auto kStandardEndCue = sounds::kSiren;
constexpr auto kVuzEndCue = sounds::kBeep3Seconds;

// Nothing at four seconds in the Vuz count.
constexpr std::array kVuzRows{
    CueRow{"00.00.10", {}, &L::latchCount10s, sounds::kCount10},
    CueRow{"00.00.05", {}, &L::latchCount5s, sounds::kCount5},
    CueRow{"00.00.03", {}, &L::latchCount3s, sounds::kBeepVuz},
    CueRow{"00.00.02", {}, &L::latchCount2s, sounds::kBeepVuz},
    CueRow{"00.00.01", {}, &L::latchCount1s, sounds::kBeepVuz},
};

} // namespace

void PreparationCountdown::Timer2_Timer() {
    poll(&Form1::Timer2, false);
}

void PreparationCountdown::Timer6_Timer() {
    poll(&Form1::Timer6, true);
}

PhaseTable PreparationCountdown::table(bool vuz) {
    return vuz ? PhaseTable{kVuzRows, kVuzEndCue} : PhaseTable{kStandardRows, kStandardEndCue};
}

std::vector<TimedCue> PreparationCountdown::standardCues() {
    std::vector<TimedCue> cues = timedCuesOf(kStandardRows);
    cues.push_back({0, kStandardEndCue});
    std::ranges::copy(timedCuesOf(MinuteBeeps::rows()), std::back_inserter(cues));
    return cues;
}

void PreparationCountdown::poll(Timer Form1::*ownTimer, bool vuz) {
    const PhaseTable phase = table(vuz);
    if (!pollPhase(m_form, m_cues, kPreparationStatus, phase.rows)) {
        return;
    }
    m_cues.playCue(phase.endCue);
    (m_form.*ownTimer).setEnabled(false);

    // The working time is read only now, so an edit during the preparation still counts.
    startCountdown(m_form, m_form.Clock3.clockTimeText());
    m_form.Timer3.setEnabled(true);
    m_form.Timer4.setEnabled(true);

    // Only the Vuz count offers the landing button.
    if (vuz) {
        m_form.Command3.setVisible(true);
    }
}

} // namespace aerolap

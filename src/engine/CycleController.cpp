#include "CycleController.h"

#include "CycleTexts.h"
#include "LatchRearm.h"
#include "PhaseSteps.h"
#include "audio/SoundFiles.h"

namespace aerolap {

namespace {
constexpr auto kStartCall = sounds::kPreparation;
constexpr CueRow::Gate kStartCallBox = &Form1::Check2;
constexpr auto kLandingButtonCue = sounds::kLandingButtonSiren;
} // namespace

void CycleController::Command5_Click() {
    // The running clock already shows the preparation time; only its start value is written.
    m_form.Clock1.setClockPresetText(m_form.Clock2.clockTimeText());

    m_form.Command7.setVisible(true);
    m_form.Command5.setVisible(false);
    m_form.Command2.setVisible(false);

    rearmLatches(m_form);
    if ((m_form.*kStartCallBox).ticked()) {
        m_cues.playCue(kStartCall);
    }

    m_form.Clock1.clockStart();
    // The Vuz task is decided here: choosing another task later does not change this cycle.
    if (m_form.Option4.selected()) {
        m_form.Timer6.setEnabled(true);
    } else {
        m_form.Timer2.setEnabled(true);
    }
}

void CycleController::Command7_Click() {
    m_form.Command7.setVisible(false);
    m_form.Command2.setVisible(true);
    m_form.Command3.setVisible(false);

    m_form.Clock1.clockStop();

    // The minute beeps and the re-arm are left running, and the latches keep their values.
    m_form.Timer3.setEnabled(false);
    m_form.Timer2.setEnabled(false);
    m_form.Timer6.setEnabled(false);
    m_form.Timer1.setEnabled(false);
}

void CycleController::Command2_Click() {
    // STOP is always hidden while RESET shows: START simply takes RESET's place.
    showOnlyStart(m_form);

    m_taskOptions.reapplyWorkingTime();
    m_form.Clock1.setClockTimeText(m_form.Clock2.clockTimeText());
    m_form.Label4.setCaption(kReadyStatus);
    mirrorRunningClock(m_form);
}

void CycleController::Command3_Click() {
    m_form.Clock1.clockStop();
    m_form.Timer3.setEnabled(false);

    // The display shows the cut-off working time run out before the landing window appears.
    m_form.Clock1.setClockTimeText(kTimeUp);
    mirrorRunningClock(m_form);
    m_cues.playCue(kLandingButtonCue);

    startCountdown(m_form, kLandingWindowTime);
    m_form.Timer1.setEnabled(true);

    m_form.Command3.setVisible(false);
}

const char* CycleController::startCall() {
    return kStartCall;
}

CueRow::Gate CycleController::startCallBox() {
    return kStartCallBox;
}

const char* CycleController::landingButtonCue() {
    return kLandingButtonCue;
}

} // namespace aerolap

#include "PhaseSteps.h"

#include "CycleTexts.h"
#include "LatchRearm.h"

namespace aerolap {

bool pollPhase(Form1& form, CuePlayer& cues, const char* status, std::span<const CueRow> rows) {
    mirrorRunningClock(form);
    form.Label4.setCaption(status);
    pollCueRows(form, cues, rows);
    // No latch: the end sequence moves the clock off this text within the same tick.
    return form.Clock1.clockTimeText() == kTimeUp;
}

void mirrorRunningClock(Form1& form) {
    form.Label2.setCaption(form.Clock1.clockTimeText());
}

void loadRunningClock(Form1& form, const std::string& time) {
    form.Clock1.setClockTimeText(time);
    form.Clock1.setClockPresetText(time);
    mirrorRunningClock(form);
}

void startCountdown(Form1& form, const std::string& time) {
    loadRunningClock(form, time);
    rearmLatches(form);
    form.Clock1.clockStart();
}

void showOnlyStart(Form1& form) {
    form.Command7.setVisible(false);
    form.Command5.setVisible(true);
    form.Command2.setVisible(false);
}

} // namespace aerolap

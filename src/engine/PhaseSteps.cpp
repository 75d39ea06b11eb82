#include "PhaseSteps.h"

#include "CycleTexts.h"

namespace aerolap {

bool pollPhase(Form1& form, CuePlayer& cues, const char* status, std::span<const CueRow> rows) {
    form.Label2.setCaption(form.Clock1.clockTimeText());
    form.Label4.setCaption(status);
    pollCueRows(form, cues, rows);
    // No latch: the end sequence moves the clock off this text within the same tick.
    return form.Clock1.clockTimeText() == kTimeUp;
}

void loadRunningClock(Form1& form, const std::string& time) {
    form.Clock1.setClockTimeText(time);
    form.Clock1.setClockPresetText(time);
    form.Label2.setCaption(form.Clock1.clockTimeText());
}

} // namespace aerolap

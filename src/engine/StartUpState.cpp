#include "StartUpState.h"

#include "CycleTexts.h"
#include "PhaseSteps.h"

namespace aerolap {

void loadStartUpState(Form1& form) {
    form.Clock2.setClockTimeText("00.00.30");
    form.Clock3.setClockTimeText("00.10.00");

    // The display takes the preparation time before the running clock does.
    form.Label2.setCaption(form.Clock2.clockTimeText());
    form.Clock1.setClockTimeText(form.Clock2.clockTimeText());

    form.Label4.setCaption(kReadyStatus);
    form.latches.clearAll();

    for (CheckBox* box : {&form.Check1, &form.Check2, &form.Check3, &form.Check4, &form.Check5,
                          &form.Check6, &form.Check7, &form.Check8, &form.Check9, &form.Check10,
                          &form.Check11, &form.Check12, &form.Check13, &form.Check14}) {
        box->setValue(CheckBox::kChecked);
    }
    form.Check15.setValue(CheckBox::kUnchecked);
    form.Check16.setValue(CheckBox::kChecked);

    // Runs the option's handler, which writes "READY " over "READY".
    form.Option2.select();

    // START is created showing, so only STOP and RESET change.
    showOnlyStart(form);
}

} // namespace aerolap

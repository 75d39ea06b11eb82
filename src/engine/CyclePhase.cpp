#include "CyclePhase.h"

namespace aerolap {

CyclePhase cyclePhase(const Form1& form) {
    if (form.Timer2.enabled() || form.Timer6.enabled()) {
        return CyclePhase::Preparation;
    }
    if (form.Timer3.enabled()) {
        return CyclePhase::WorkingTime;
    }
    if (form.Timer1.enabled()) {
        return CyclePhase::Landing;
    }
    return form.Command2.visible() ? CyclePhase::Stopped : CyclePhase::Ready;
}

} // namespace aerolap

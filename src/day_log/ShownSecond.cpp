#include "ShownSecond.h"

#include "DayLog.h"

namespace aerolap {

std::optional<CyclePhase> phaseNamed(std::string_view name) {
    for (const CyclePhase phase :
         {CyclePhase::Ready, CyclePhase::Preparation, CyclePhase::WorkingTime, CyclePhase::Landing,
          CyclePhase::Stopped}) {
        if (phaseName(phase) == name) {
            return phase;
        }
    }
    return std::nullopt;
}

void addShownSecond(JsonMembers& members, const Form1& form) {
    members.text("phase", phaseName(cyclePhase(form)));
    if (const auto began = form.Clock1.shownSecondBegan()) {
        members.text("second", form.Clock1.clockTimeText())
            .number("second_began_ns", DayLog::nanosecondsOf(*began));
    }
}

} // namespace aerolap

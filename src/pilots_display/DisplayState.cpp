#include "DisplayState.h"

namespace aerolap {

DisplayState displayStateOf(const Form1& form) {
    return {form.Label2.caption(), form.Label4.caption(), cyclePhase(form), std::nullopt};
}

std::string_view phaseName(CyclePhase phase) {
    switch (phase) {
    case CyclePhase::Preparation:
        return "preparation";
    case CyclePhase::WorkingTime:
        return "working";
    case CyclePhase::Landing:
        return "landing";
    case CyclePhase::Stopped:
        return "stopped";
    case CyclePhase::Ready:
        break;
    }
    return "ready";
}

} // namespace aerolap

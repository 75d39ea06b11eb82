#pragma once

#include "engine/CyclePhase.h"
#include "engine/Form1.h"

#include <string>
#include <string_view>

namespace aerolap {

/// What a pilot sees of the timer from afar: the time display's caption, the status line's
/// caption and the phase of the cycle. A copy, so it can travel without touching the window.
struct DisplayState {
    std::string time;
    std::string status;
    CyclePhase phase = CyclePhase::Ready;

    friend bool operator==(const DisplayState&, const DisplayState&) = default;
};

DisplayState displayStateOf(const Form1& form);

/// The phase's name for the pilots' page: ready, preparation, working, landing or stopped.
std::string_view phaseName(CyclePhase phase);

} // namespace aerolap

#pragma once

#include "Form1.h"

namespace aerolap {

enum class CyclePhase { Ready, Preparation, WorkingTime, Landing, Stopped };

/// The phase of the cycle as the window's state defines it: the running phase poll, else which
/// of START and RESET shows. Nothing stores it, so it cannot disagree with the timers.
CyclePhase cyclePhase(const Form1& form);

} // namespace aerolap

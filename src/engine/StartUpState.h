#pragma once

#include "Form1.h"

namespace aerolap {

/// The part of the window's load sequence that sets up a ready cycle: default times, the time
/// display, all latches clear, the announcement boxes ticked, the 10-minute task selected and
/// only START showing. The serial port is opened before it and the about box shown after it.
void loadStartUpState(Form1& form);

} // namespace aerolap

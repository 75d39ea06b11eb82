#pragma once

#include <string>

namespace aerolap {

/// Names the calling thread for the system's tools (`top -H`, a debugger, the CPU benchmark).
/// Each system supplies its own definition from its folder under `systems/`; a name longer than
/// the system keeps is cut.
void nameCurrentThread(const std::string& name);

} // namespace aerolap

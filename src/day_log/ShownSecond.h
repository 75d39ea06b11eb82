#pragma once

#include "JsonMembers.h"
#include "engine/Cycle.h"

namespace aerolap {

/// Adds what the window shows at this moment to a cue's or a frame's line: the phase, the
/// running clock's second ("second") and when that second began ("second_began_ns"), which the
/// cue or frame is late against. A clock that does not count gives no second.
void addShownSecond(JsonMembers& members, const Cycle& cycle);

} // namespace aerolap

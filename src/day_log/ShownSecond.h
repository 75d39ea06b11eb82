#pragma once

#include "JsonMembers.h"
#include "engine/CyclePhase.h"
#include "engine/Form1.h"
#include "pilots_display/DisplayState.h"

#include <optional>
#include <string_view>

namespace aerolap {

/// The phase `phaseName` calls `name`, which the day log's lines use too.
std::optional<CyclePhase> phaseNamed(std::string_view name);

/// Adds what the window shows at this moment to a cue's or a frame's line: the phase, the
/// running clock's second ("second") and when that second began ("second_began_ns"), which the
/// cue or frame is late against. A clock that does not count gives no second.
void addShownSecond(JsonMembers& members, const Form1& form);

} // namespace aerolap

#pragma once

#include "Draw.h"

namespace aerolap {

/// The number of groups `pilots` pilots fly in: the settings' own, or as many as it takes to keep
/// each group within the group size; at least one, and never more than there are pilots.
int groupCountFor(int pilots, const DrawSettings& settings);

/// Draws `rounds` rounds for `pilots`: every pilot once a round, groups that differ by at most
/// one pilot, pilots of one team in different groups wherever there are groups enough, and each
/// two pilots meeting about as often as any other two over the whole contest. The same pilots,
/// settings and seed give the same draw on any machine.
Draw generateDraw(std::vector<DrawPilot> pilots, const DrawSettings& settings, int rounds);

/// `draw` (a generated one) with the rounds from `firstRound` to `rounds` - 1 drawn again for the
/// pilots who still fly in each, the rounds before kept as they were and counted in the meetings.
Draw redrawFrom(Draw draw, int firstRound, int rounds);

} // namespace aerolap

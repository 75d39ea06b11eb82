#pragma once

#include "Draw.h"

namespace aerolap {

/// The first group of the contest that has not flown yet: a group in the air, or one that flew
/// some of its flights, has flown.
struct FirstOpenGroup {
    int round = 0;
    int group = 0;
};

/// `draw` without pilot `pilot` from `open` on, the groups before it as they were. A generated
/// draw is drawn again from the first round none of whose groups has flown; an imported one has
/// the pilot struck out, groups left as the scoring program drew them. In a round part flown the
/// pilot is struck out of its open groups either way. `rounds` is the schedule's number of rounds.
Draw withdrawPilot(Draw draw, int pilot, FirstOpenGroup open, int rounds);

} // namespace aerolap

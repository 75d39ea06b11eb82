#include "Withdrawal.h"

#include "DrawGenerator.h"

#include <algorithm>

namespace aerolap {

Draw withdrawPilot(Draw draw, int pilot, FirstOpenGroup open, int rounds) {
    const int firstWholeRound = open.group == 0 ? open.round : open.round + 1;
    draw.pilots.at(static_cast<std::size_t>(pilot)).withdrawnFrom = firstWholeRound;
    if (open.group > 0 && open.round < std::ssize(draw.rounds)) {
        DrawnRound& partFlown = draw.rounds[static_cast<std::size_t>(open.round)];
        for (std::size_t group = static_cast<std::size_t>(open.group); group < partFlown.size();
             ++group) {
            std::erase(partFlown[group], pilot);
        }
    }
    if (draw.generation) {
        // Rounds that were never drawn stay so: only the drawn ones are drawn again.
        const int drawnRounds = std::min(rounds, static_cast<int>(draw.rounds.size()));
        return redrawFrom(std::move(draw), firstWholeRound, drawnRounds);
    }
    for (std::size_t round = static_cast<std::size_t>(std::max(firstWholeRound, 0));
         round < draw.rounds.size(); ++round) {
        for (DrawnGroup& group : draw.rounds[round]) {
            std::erase(group, pilot);
        }
    }
    return draw;
}

} // namespace aerolap

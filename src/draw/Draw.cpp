#include "Draw.h"

#include <algorithm>

namespace aerolap {

std::optional<int> pilotIndex(const Draw& draw, const std::string& name) {
    const auto found = std::ranges::find(draw.pilots, name, &DrawPilot::name);
    if (found == draw.pilots.end()) {
        return std::nullopt;
    }
    return static_cast<int>(found - draw.pilots.begin());
}

std::vector<std::string> pilotsOf(const Draw& draw, int round, int group) {
    if (round < 0 || round >= std::ssize(draw.rounds)) {
        return {};
    }
    const DrawnRound& groups = draw.rounds[static_cast<std::size_t>(round)];
    if (group < 0 || group >= std::ssize(groups)) {
        return {};
    }
    std::vector<std::string> names;
    for (const int pilot : groups[static_cast<std::size_t>(group)]) {
        names.push_back(draw.pilots[static_cast<std::size_t>(pilot)].name);
    }
    return names;
}

std::vector<std::vector<int>> meetingsOf(const Draw& draw) {
    const std::size_t count = draw.pilots.size();
    std::vector<std::vector<int>> meetings(count, std::vector<int>(count, 0));
    for (const DrawnRound& round : draw.rounds) {
        for (const DrawnGroup& group : round) {
            for (const int a : group) {
                for (const int b : group) {
                    if (a != b) {
                        ++meetings[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
                    }
                }
            }
        }
    }
    return meetings;
}

Evenness evennessOf(const Draw& draw) {
    const auto meetings = meetingsOf(draw);
    std::optional<Evenness> found;
    for (std::size_t a = 0; a < draw.pilots.size(); ++a) {
        for (std::size_t b = a + 1; b < draw.pilots.size(); ++b) {
            const std::string& team = draw.pilots[a].team;
            if (draw.pilots[a].withdrawnFrom || draw.pilots[b].withdrawnFrom ||
                (!team.empty() && team == draw.pilots[b].team)) {
                continue;
            }
            const int times = meetings[a][b];
            found = found ? Evenness{std::min(found->fewest, times), std::max(found->most, times)}
                          : Evenness{times, times};
        }
    }
    return found.value_or(Evenness{});
}

} // namespace aerolap

#include "ScoreSheet.h"

namespace aerolap {

GroupSheet& ScoreSheet::group(int round, int group) {
    const auto r = static_cast<std::size_t>(round);
    const auto g = static_cast<std::size_t>(group);
    if (rounds.size() <= r) {
        rounds.resize(r + 1);
    }
    if (rounds[r].size() <= g) {
        rounds[r].resize(g + 1);
    }
    return rounds[r][g];
}

const GroupSheet* ScoreSheet::find(int round, int group) const {
    if (round < 0 || group < 0 || static_cast<std::size_t>(round) >= rounds.size()) {
        return nullptr;
    }
    const auto& groups = rounds[static_cast<std::size_t>(round)];
    return static_cast<std::size_t>(group) < groups.size()
               ? &groups[static_cast<std::size_t>(group)]
               : nullptr;
}

} // namespace aerolap

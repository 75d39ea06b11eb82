#include "TeamRanking.h"

#include "PilotRanking.h"

#include <algorithm>
#include <map>
#include <set>

namespace aerolap {

namespace {

struct Counted {
    int pilot = 0;
    double total = 0;
};

TeamStanding standingOf(const Team& team, const std::map<int, const PilotStanding*>& pilots,
                        const ContestRules& rules) {
    TeamStanding standing;
    standing.name = team.name;
    std::set<int> eligible;
    for (const TeamMember& member : team.members) {
        if (member.nominated || rules.team == TeamRule::BestMembers) {
            eligible.insert(member.pilot);
        }
    }
    std::vector<Counted> members;
    for (const int pilot : eligible) {
        const auto found = pilots.find(pilot);
        const PilotStanding* member = found == pilots.end() ? nullptr : found->second;
        const bool scores = member && member->valid && !member->disqualified;
        members.push_back({pilot, scores ? member->total : 0});
        standing.provisional = standing.provisional || (member && member->provisional);
    }
    std::ranges::stable_sort(members, [](const Counted& a, const Counted& b) {
        return comparable(a.total) > comparable(b.total);
    });
    members.resize(
        std::min(members.size(), static_cast<std::size_t>(std::max(rules.teamMembersCounted, 0))));
    for (const Counted& member : members) {
        standing.counted.push_back(member.pilot);
        standing.total += member.total;
    }
    return standing;
}

} // namespace

std::vector<TeamStanding> rankTeams(const std::vector<Team>& teams, const Standings& standings,
                                    const ContestRules& rules) {
    std::map<int, const PilotStanding*> pilots;
    for (const PilotStanding& pilot : standings.pilots) {
        pilots.emplace(pilot.pilot, &pilot);
    }
    std::vector<TeamStanding> ranked;
    for (const Team& team : teams) {
        ranked.push_back(standingOf(team, pilots, rules));
    }
    std::ranges::sort(ranked, [](const TeamStanding& a, const TeamStanding& b) {
        const auto totalA = comparable(a.total);
        const auto totalB = comparable(b.total);
        return totalA != totalB ? totalA > totalB : a.name < b.name;
    });
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        const bool tied = i > 0 && comparable(ranked[i - 1].total) == comparable(ranked[i].total);
        ranked[i].rank = tied ? ranked[i - 1].rank : static_cast<int>(i) + 1;
    }
    return ranked;
}

} // namespace aerolap

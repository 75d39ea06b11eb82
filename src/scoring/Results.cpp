#include "Results.h"

#include "PilotRanking.h"
#include "RoundScores.h"
#include "TeamRanking.h"

#include <algorithm>

namespace aerolap {

namespace {

/// The rounds of one table and each pilot's score in each of them.
struct Table {
    std::vector<int> rounds;
    std::map<int, std::vector<PilotRound>> pilots;

    std::vector<PilotRound>& pilot(int number) {
        auto [row, added] = pilots.try_emplace(number);
        if (added) {
            for (const int round : rounds) {
                row->second.push_back({round, 0, 0, false, false, false});
            }
        }
        return row->second;
    }
};

/// A round counts towards the dropped rounds from its first card on.
bool entered(const Round& round) {
    return std::ranges::any_of(round.groups,
                               [](const Group& group) { return !group.cards.empty(); });
}

} // namespace

Results scoreContest(const Contest& contest) {
    Results results;
    Table qualifying;
    Table flyOff;
    for (std::size_t i = 0; i < contest.rounds.size(); ++i) {
        if (entered(contest.rounds[i])) {
            (contest.rounds[i].flyOff ? flyOff : qualifying).rounds.push_back(static_cast<int>(i));
        }
    }
    for (int pilot = 0; pilot < contest.pilots; ++pilot) {
        qualifying.pilot(pilot);
    }
    std::map<int, int> penalties;
    for (std::size_t i = 0; i < contest.rounds.size(); ++i) {
        const Round& round = contest.rounds[i];
        results.rounds.push_back(scoreGroups(round));
        Table& table = round.flyOff ? flyOff : qualifying;
        const auto column = std::ranges::find(table.rounds, static_cast<int>(i));
        if (column == table.rounds.end()) {
            continue;
        }
        for (const auto& [pilot, score] : pilotRounds(
                 round, results.rounds.back(), static_cast<int>(i), contest.rules.reflight)) {
            table.pilot(pilot)[static_cast<std::size_t>(column - table.rounds.begin())] = score;
            penalties[pilot] = plusPenalty(penalties[pilot], score.penalty);
        }
    }
    const ContestRules& rules = contest.rules;
    results.standings =
        rankPilots(qualifying.pilots,
                   {rules.droppedRounds, rules.minimumRounds, rules.penaltyLimit}, penalties);
    // The fly-off counts however few rounds it has.
    results.flyOff =
        rankPilots(flyOff.pilots, {rules.droppedFlyOffRounds, 0, rules.penaltyLimit}, penalties);
    results.teams = rankTeams(contest.teams, results.standings, rules);
    return results;
}

int unconfirmedGroups(const Results& results) {
    int open = 0;
    for (const auto& round : results.rounds) {
        open += static_cast<int>(std::ranges::count_if(round, [](const GroupResult& group) {
            return group.provisional && !group.cards.empty();
        }));
    }
    return open;
}

} // namespace aerolap

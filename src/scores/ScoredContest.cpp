#include "ScoredContest.h"

#include <algorithm>
#include <cctype>

namespace aerolap {

namespace {

/// Each team of the draw's pilots in the order of its first member; every member counts as
/// nominated.
std::vector<Team> teamsOf(const std::vector<DrawPilot>& pilots) {
    std::vector<Team> teams;
    for (std::size_t pilot = 0; pilot < pilots.size(); ++pilot) {
        const std::string& name = pilots[pilot].team;
        if (name.empty()) {
            continue;
        }
        auto team = std::ranges::find(teams, name, &Team::name);
        if (team == teams.end()) {
            team = teams.insert(team, Team{name, {}});
        }
        team->members.push_back({static_cast<int>(pilot), true});
    }
    return teams;
}

} // namespace

std::optional<RoundRules> roundRulesOf(const ScheduleRound& round, const ContestRules& rules) {
    if (round.task.size() != 1) {
        return std::nullopt;
    }
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(round.task[0])));
    auto scored = defaultRoundRules(letter, round.working, rules);
    if (scored && scored->counting == Counting::EveryFlight && letter == 'C') {
        scored->launches = round.flights;
        scored->counted = round.flights;
    }
    return scored;
}

ScoredContest scoredContest(const Schedule& schedule, const ScoreSheet& sheet) {
    ScoredContest scored;
    scored.name = schedule.name;
    scored.date = schedule.date;
    if (schedule.draw) {
        scored.pilots = schedule.draw->pilots;
    }
    const auto numberOf = [&scored](const std::string& name) {
        if (const auto number = pilotNumber(scored, name)) {
            return *number;
        }
        scored.pilots.push_back({name, {}, {}});
        return static_cast<int>(scored.pilots.size()) - 1;
    };
    Contest& contest = scored.contest;
    contest.rules = sheet.rules;
    for (std::size_t r = 0; r < schedule.rounds.size(); ++r) {
        const auto rules = roundRulesOf(schedule.rounds[r], sheet.rules);
        scored.scorable.push_back(rules.has_value());
        Round& round = contest.rounds.emplace_back();
        round.flyOff = sheet.flyOffFrom && static_cast<int>(r) >= *sheet.flyOffFrom;
        if (!rules) {
            continue;
        }
        round.rules = *rules;
        const auto* entered = r < sheet.rounds.size() ? &sheet.rounds[r] : nullptr;
        round.groups.resize(std::max(static_cast<std::size_t>(schedule.rounds[r].groups),
                                     entered ? entered->size() : 0));
        for (std::size_t g = 0; entered && g < entered->size(); ++g) {
            const GroupSheet& group = (*entered)[g];
            round.groups[g].confirmed = group.confirmed;
            for (const auto& [name, card] : group.cards) {
                Card& taken = round.groups[g].cards.emplace_back(card);
                taken.pilot = numberOf(name);
                taken.grantedReflight = group.reflight && group.granted.contains(name);
            }
            std::ranges::sort(round.groups[g].cards, {}, &Card::pilot);
        }
    }
    contest.pilots = static_cast<int>(scored.pilots.size());
    contest.teams = teamsOf(scored.pilots);
    return scored;
}

std::optional<int> pilotNumber(const ScoredContest& scored, const std::string& name) {
    const auto found = std::ranges::find(scored.pilots, name, &DrawPilot::name);
    if (found == scored.pilots.end()) {
        return std::nullopt;
    }
    return static_cast<int>(found - scored.pilots.begin());
}

} // namespace aerolap

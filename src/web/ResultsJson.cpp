#include "ResultsJson.h"

#include "JsonText.h"
#include "scores/CardText.h"
#include "scoring/ScoreText.h"

namespace aerolap {

namespace {

/// Where each pilot's cards are: [round][pilot] -> (group, card) for each, in the groups' order.
using CardPlaces = std::vector<std::vector<std::vector<std::pair<std::size_t, std::size_t>>>>;

CardPlaces cardPlacesOf(const ScoredContest& scored) {
    CardPlaces places(
        scored.contest.rounds.size(),
        std::vector<std::vector<std::pair<std::size_t, std::size_t>>>(scored.pilots.size()));
    for (std::size_t r = 0; r < places.size(); ++r) {
        const auto& groups = scored.contest.rounds[r].groups;
        for (std::size_t g = 0; g < groups.size(); ++g) {
            for (std::size_t c = 0; c < groups[g].cards.size(); ++c) {
                places[r][static_cast<std::size_t>(groups[g].cards[c].pilot)].emplace_back(g, c);
            }
        }
    }
    return places;
}

/// Every card the pilot has in the round, re-flights included, with its group's scores.
void writeCards(JsonText& json, const ScoredContest& scored, const Results& results,
                const CardPlaces& places, int pilot, int round) {
    json.openArray();
    const auto r = static_cast<std::size_t>(round);
    for (const auto& [g, c] : places[r][static_cast<std::size_t>(pilot)]) {
        const Card& card = scored.contest.rounds[r].groups[g].cards[c];
        const CardResult& scoredCard = results.rounds[r][g].cards[c];
        json.openObject()
            .name("group")
            .value(static_cast<int>(g) + 1)
            .name("flights")
            .value(flightsText(card))
            .name("raw")
            .value(scoredCard.raw)
            .name("score")
            .value(shownScore(scoredCard.score))
            .name("mark")
            .value(cardMark(card))
            .closeObject();
    }
    json.closeArray();
}

void writePilot(JsonText& json, const ScoredContest& scored, const Results& results,
                const CardPlaces& places, const PilotStanding& pilot) {
    const DrawPilot& who = scored.pilots[static_cast<std::size_t>(pilot.pilot)];
    json.openObject()
        .name("name")
        .value(who.name)
        .name("team")
        .value(who.team)
        .name("total")
        .value(shownScore(pilot.total))
        .name("penalty")
        .value(pilot.penalty)
        .name("valid")
        .value(pilot.valid)
        .name("disqualified")
        .value(pilot.disqualified)
        .name("provisional")
        .value(pilot.provisional);
    if (pilot.rank) {
        json.name("rank").value(*pilot.rank);
    }
    json.name("rounds").openArray();
    for (const PilotRound& round : pilot.rounds) {
        json.openObject()
            .name("round")
            .value(round.round + 1)
            .name("score")
            .value(shownScore(round.score))
            .name("penalty")
            .value(round.penalty)
            .name("dropped")
            .value(round.dropped)
            .name("provisional")
            .value(round.provisional)
            .name("completed")
            .value(round.completed)
            .name("cards");
        writeCards(json, scored, results, places, pilot.pilot, round.round);
        json.closeObject();
    }
    json.closeArray().closeObject();
}

void writeStandings(JsonText& json, const ScoredContest& scored, const Results& results,
                    const CardPlaces& places, const Standings& standings) {
    json.openArray();
    for (const PilotStanding& pilot : standings.pilots) {
        writePilot(json, scored, results, places, pilot);
    }
    json.closeArray();
}

void writeTeams(JsonText& json, const ScoredContest& scored,
                const std::vector<TeamStanding>& teams) {
    json.openArray();
    for (const TeamStanding& team : teams) {
        json.openObject()
            .name("rank")
            .value(team.rank)
            .name("name")
            .value(team.name)
            .name("total")
            .value(shownScore(team.total))
            .name("provisional")
            .value(team.provisional)
            .name("counted")
            .openArray();
        for (const int pilot : team.counted) {
            json.value(scored.pilots[static_cast<std::size_t>(pilot)].name);
        }
        json.closeArray().closeObject();
    }
    json.closeArray();
}

} // namespace

std::string resultsJson(const ScoredContest& scored, const Results& results) {
    JsonText json;
    json.openObject()
        .name("name")
        .value(scored.name)
        .name("date")
        .value(scored.date)
        .name("provisional")
        .value(unconfirmedGroups(results) > 0)
        .name("minimum_rounds")
        .value(scored.contest.rules.minimumRounds)
        .name("rounds")
        .openArray();
    for (std::size_t r = 0; r < scored.contest.rounds.size(); ++r) {
        const Round& round = scored.contest.rounds[r];
        // A round whose task is none of the F3K letters is not scored, and has no task here.
        json.openObject()
            .name("task")
            .value(scored.scorable[r] ? std::string(1, round.rules.task) : std::string())
            .name("fly_off")
            .value(round.flyOff)
            .closeObject();
    }
    const CardPlaces places = cardPlacesOf(scored);
    json.closeArray().name("standings");
    writeStandings(json, scored, results, places, results.standings);
    json.name("fly_off");
    writeStandings(json, scored, results, places, results.flyOff);
    json.name("teams");
    writeTeams(json, scored, results.teams);
    json.closeObject();
    return json.text();
}

} // namespace aerolap

#include "ResultsCsv.h"

#include "CardText.h"
#include "scoring/ScoreText.h"

#include <string>
#include <vector>

namespace aerolap {

namespace {

std::string quoted(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        return field;
    }
    std::string text = "\"";
    for (const char c : field) {
        text += c == '"' ? "\"\"" : std::string(1, c);
    }
    return text + "\"";
}

void addRow(std::string& csv, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        csv += (i == 0 ? "" : ",") + quoted(fields[i]);
    }
    csv += "\r\n";
}

void addRows(std::string& csv, const ScoredContest& scored, const Results& results,
             const Standings& standings) {
    for (const PilotStanding& pilot : standings.pilots) {
        const DrawPilot& who = scored.pilots[static_cast<std::size_t>(pilot.pilot)];
        for (const PilotRound& round : pilot.rounds) {
            const auto r = static_cast<std::size_t>(round.round);
            const Round& flown = scored.contest.rounds[r];
            for (std::size_t g = 0; g < flown.groups.size(); ++g) {
                const auto& cards = flown.groups[g].cards;
                for (std::size_t c = 0; c < cards.size(); ++c) {
                    if (cards[c].pilot != pilot.pilot) {
                        continue;
                    }
                    addRow(csv, {who.name, who.team, std::to_string(r + 1), std::to_string(g + 1),
                                 std::string(1, flown.rules.task), flightsText(cards[c]),
                                 std::to_string(results.rounds[r][g].cards[c].raw),
                                 shownScore(results.rounds[r][g].cards[c].score),
                                 std::to_string(cards[c].penalty), round.dropped ? "yes" : "no",
                                 shownScore(pilot.total)});
                }
            }
        }
    }
}

} // namespace

QByteArray resultsCsv(const ScoredContest& scored, const Results& results) {
    std::string csv;
    addRow(csv, {"pilot", "team", "round", "group", "task", "flights", "raw", "normalised",
                 "penalty", "dropped", "total"});
    addRows(csv, scored, results, results.standings);
    addRows(csv, scored, results, results.flyOff);
    return QByteArray::fromStdString(csv);
}

} // namespace aerolap

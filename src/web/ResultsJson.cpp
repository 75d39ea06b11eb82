#include "ResultsJson.h"

#include "scores/CardText.h"
#include "scoring/ScoreText.h"

#include <QJsonArray>
#include <QJsonObject>

namespace aerolap {

namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

QString score(double value) {
    return text(shownScore(value));
}

QString markOf(const Card& card) {
    switch (card.mark) {
    case CardMark::Unsigned:
        return QStringLiteral("unsigned");
    case CardMark::NoShow:
        return QStringLiteral("no-show");
    case CardMark::Signed:
        break;
    }
    return card.grantedReflight ? QStringLiteral("re-flight") : QString();
}

/// Every card the pilot has in the round, re-flights included, with its group's scores.
QJsonArray cardsJson(const ScoredContest& scored, const Results& results, int pilot, int round) {
    QJsonArray cards;
    const auto r = static_cast<std::size_t>(round);
    const auto& groups = scored.contest.rounds[r].groups;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        for (std::size_t c = 0; c < groups[g].cards.size(); ++c) {
            const Card& card = groups[g].cards[c];
            if (card.pilot != pilot) {
                continue;
            }
            const CardResult& scoredCard = results.rounds[r][g].cards[c];
            cards.append(QJsonObject{{QStringLiteral("group"), static_cast<int>(g) + 1},
                                     {QStringLiteral("flights"), text(flightsText(card))},
                                     {QStringLiteral("raw"), scoredCard.raw},
                                     {QStringLiteral("score"), score(scoredCard.score)},
                                     {QStringLiteral("mark"), markOf(card)}});
        }
    }
    return cards;
}

QJsonObject pilotJson(const ScoredContest& scored, const Results& results,
                      const PilotStanding& pilot) {
    QJsonArray rounds;
    for (const PilotRound& round : pilot.rounds) {
        rounds.append(QJsonObject{
            {QStringLiteral("round"), round.round + 1},
            {QStringLiteral("score"), score(round.score)},
            {QStringLiteral("penalty"), round.penalty},
            {QStringLiteral("dropped"), round.dropped},
            {QStringLiteral("provisional"), round.provisional},
            {QStringLiteral("completed"), round.completed},
            {QStringLiteral("cards"), cardsJson(scored, results, pilot.pilot, round.round)}});
    }
    const DrawPilot& who = scored.pilots[static_cast<std::size_t>(pilot.pilot)];
    QJsonObject object{{QStringLiteral("name"), text(who.name)},
                       {QStringLiteral("team"), text(who.team)},
                       {QStringLiteral("total"), score(pilot.total)},
                       {QStringLiteral("penalty"), pilot.penalty},
                       {QStringLiteral("valid"), pilot.valid},
                       {QStringLiteral("disqualified"), pilot.disqualified},
                       {QStringLiteral("provisional"), pilot.provisional},
                       {QStringLiteral("rounds"), rounds}};
    if (pilot.rank) {
        object.insert(QStringLiteral("rank"), *pilot.rank);
    }
    return object;
}

QJsonArray standingsJson(const ScoredContest& scored, const Results& results,
                         const Standings& standings) {
    QJsonArray pilots;
    for (const PilotStanding& pilot : standings.pilots) {
        pilots.append(pilotJson(scored, results, pilot));
    }
    return pilots;
}

QJsonArray teamsJson(const ScoredContest& scored, const std::vector<TeamStanding>& teams) {
    QJsonArray list;
    for (const TeamStanding& team : teams) {
        QJsonArray counted;
        for (const int pilot : team.counted) {
            counted.append(text(scored.pilots[static_cast<std::size_t>(pilot)].name));
        }
        list.append(QJsonObject{{QStringLiteral("rank"), team.rank},
                                {QStringLiteral("name"), text(team.name)},
                                {QStringLiteral("counted"), counted},
                                {QStringLiteral("total"), score(team.total)},
                                {QStringLiteral("provisional"), team.provisional}});
    }
    return list;
}

} // namespace

QJsonObject resultsJson(const ScoredContest& scored, const Results& results) {
    QJsonArray rounds;
    for (std::size_t r = 0; r < scored.contest.rounds.size(); ++r) {
        const Round& round = scored.contest.rounds[r];
        // A round whose task is none of the F3K letters is not scored, and has no task here.
        rounds.append(QJsonObject{
            {QStringLiteral("task"),
             scored.scorable[r] ? QString(QChar::fromLatin1(round.rules.task)) : QString()},
            {QStringLiteral("fly_off"), round.flyOff}});
    }
    bool provisional = false;
    for (const auto& round : results.rounds) {
        for (const GroupResult& group : round) {
            provisional = provisional || (group.provisional && !group.cards.empty());
        }
    }
    return {{QStringLiteral("name"), text(scored.name)},
            {QStringLiteral("date"), text(scored.date)},
            {QStringLiteral("provisional"), provisional},
            {QStringLiteral("minimum_rounds"), scored.contest.rules.minimumRounds},
            {QStringLiteral("rounds"), rounds},
            {QStringLiteral("standings"), standingsJson(scored, results, results.standings)},
            {QStringLiteral("fly_off"), standingsJson(scored, results, results.flyOff)},
            {QStringLiteral("teams"), teamsJson(scored, results.teams)}};
}

} // namespace aerolap

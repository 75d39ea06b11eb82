#include "ResultsTables.h"

#include "CardText.h"
#include "scoring/RulesListing.h"
#include "scoring/ScoreText.h"

#include <QCoreApplication>

namespace aerolap {

namespace {

/// The texts of this file, as the catalogues hold them (lupdate reads `ResultsTablesText::tr`).
struct ResultsTablesText {
    Q_DECLARE_TR_FUNCTIONS(Results)
};

QString score(double value) {
    return QString::fromStdString(shownScore(value));
}

QString nameOf(const ScoredContest& scored, int pilot) {
    return QString::fromStdString(scored.pilots[static_cast<std::size_t>(pilot)].name);
}

QString roundCell(const PilotRound& round) {
    const QString shown = score(round.score);
    return (round.dropped ? QStringLiteral("(%1)").arg(shown) : shown) +
           (round.provisional ? QStringLiteral("*") : QString());
}

QString rankCell(const PilotStanding& pilot) {
    if (pilot.disqualified) {
        return ResultsTablesText::tr("DSQ");
    }
    return pilot.rank ? QString::number(*pilot.rank) : QStringLiteral("-");
}

} // namespace

QString resultsHeading(const ScoredContest& scored) {
    QString heading = scored.name.empty() ? ResultsTablesText::tr("Contest")
                                          : QString::fromStdString(scored.name);
    if (!scored.date.empty()) {
        heading += QStringLiteral(", ") + QString::fromStdString(scored.date);
    }
    return heading;
}

QString provisionalNote(const Results& results) {
    const int open = unconfirmedGroups(results);
    return open == 0 ? QString()
                     : ResultsTablesText::tr(
                           "PROVISIONAL: %n group(s) not confirmed; their scores are marked *.",
                           nullptr, open);
}

std::string ruleText(const char* text, int count) {
    return QCoreApplication::translate("RulesListing", text, nullptr, count).toStdString();
}

QStringList rulesLines(const ScoredContest& scored) {
    QStringList lines;
    for (const Setting& setting : settingsOf(scored.contest.rules, ruleText)) {
        lines << QString::fromStdString(setting.name + ": " + setting.value);
    }
    return lines;
}

ResultsTable standingsTable(const ScoredContest& scored, const Standings& standings,
                            const QString& title) {
    ResultsTable table{title,
                       {ResultsTablesText::tr("Rank"), ResultsTablesText::tr("Pilot"),
                        ResultsTablesText::tr("Team")},
                       {}};
    if (!standings.pilots.empty()) {
        for (const PilotRound& round : standings.pilots.front().rounds) {
            table.headings << ResultsTablesText::tr("R%1").arg(round.round + 1);
        }
    }
    table.headings << ResultsTablesText::tr("Penalty") << ResultsTablesText::tr("Total");
    for (const PilotStanding& pilot : standings.pilots) {
        QStringList row{
            rankCell(pilot), nameOf(scored, pilot.pilot),
            QString::fromStdString(scored.pilots[static_cast<std::size_t>(pilot.pilot)].team)};
        for (const PilotRound& round : pilot.rounds) {
            row << roundCell(round);
        }
        row << (pilot.penalty == 0 ? QString() : QString::number(pilot.penalty))
            << score(pilot.total) + (pilot.provisional ? QStringLiteral("*") : QString());
        table.rows.push_back(std::move(row));
    }
    return table;
}

ResultsTable roundTable(const ScoredContest& scored, const Results& results, int round) {
    const auto r = static_cast<std::size_t>(round);
    const Round& flown = scored.contest.rounds[r];
    ResultsTable table{ResultsTablesText::tr("Round %1: task %2, working time %3")
                           .arg(round + 1)
                           .arg(QChar::fromLatin1(flown.rules.task))
                           .arg(QString::fromStdString(shownTime(flown.rules.workingTime))),
                       {ResultsTablesText::tr("Group"), ResultsTablesText::tr("Pilot"),
                        ResultsTablesText::tr("Flights"), ResultsTablesText::tr("Raw"),
                        ResultsTablesText::tr("Score"), ResultsTablesText::tr("Penalty"),
                        ResultsTablesText::tr("Mark")},
                       {}};
    for (std::size_t g = 0; g < flown.groups.size(); ++g) {
        const GroupResult& group = results.rounds[r][g];
        for (std::size_t c = 0; c < group.cards.size(); ++c) {
            const Card& card = flown.groups[g].cards[c];
            table.rows.push_back(
                {QString::number(g + 1) + (group.provisional ? QStringLiteral("*") : QString()),
                 nameOf(scored, card.pilot), QString::fromStdString(flightsText(card)),
                 QString::number(group.cards[c].raw), score(group.cards[c].score),
                 card.penalty == 0 ? QString() : QString::number(card.penalty),
                 ResultsTablesText::tr(cardMark(card))});
        }
    }
    return table;
}

ResultsTable teamsTable(const ScoredContest& scored, const std::vector<TeamStanding>& teams) {
    ResultsTable table{ResultsTablesText::tr("Teams"),
                       {ResultsTablesText::tr("Rank"), ResultsTablesText::tr("Team"),
                        ResultsTablesText::tr("Counted"), ResultsTablesText::tr("Total")},
                       {}};
    for (const TeamStanding& team : teams) {
        QStringList counted;
        for (const int pilot : team.counted) {
            counted << nameOf(scored, pilot);
        }
        table.rows.push_back(
            {QString::number(team.rank), QString::fromStdString(team.name),
             counted.join(QStringLiteral(", ")),
             score(team.total) + (team.provisional ? QStringLiteral("*") : QString())});
    }
    return table;
}

} // namespace aerolap

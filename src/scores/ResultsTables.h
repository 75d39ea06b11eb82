#pragma once

#include "ScoredContest.h"
#include "scoring/Results.h"

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace aerolap {

/// A table of the results as the terminal and the printed results show it, in the program's
/// language: a title, headings, and rows of cells.
struct ResultsTable {
    QString title;
    QStringList headings;
    std::vector<QStringList> rows;
};

/// The contest's name and date, as the results are headed.
QString resultsHeading(const ScoredContest& scored);

/// What makes the results provisional, or nothing once every group with cards is confirmed.
QString provisionalNote(const Results& results);

/// A text of the rules' listing in the windows' language.
std::string ruleText(const char* text, int count);

/// The rules the results were scored by, one "name: value" line each.
QStringList rulesLines(const ScoredContest& scored);

/// A table of standings: rank (none without a valid score, DSQ when disqualified), pilot, team,
/// each round's score (a dropped one in brackets, a provisional one marked *), penalty, total.
ResultsTable standingsTable(const ScoredContest& scored, const Standings& standings,
                            const QString& title);

/// Round `round` group by group: each card's pilot, flights, raw score, score, penalty and mark.
ResultsTable roundTable(const ScoredContest& scored, const Results& results, int round);

/// The teams: rank, team, the members whose totals count, total.
ResultsTable teamsTable(const ScoredContest& scored, const std::vector<TeamStanding>& teams);

} // namespace aerolap

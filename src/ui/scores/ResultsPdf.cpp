#include "ResultsPdf.h"

#include "scores/ResultsTables.h"
#include "ui/widgets/PdfPages.h"

#include <QCoreApplication>

namespace aerolap {

namespace {

QString said(const char* text) {
    return QCoreApplication::translate("ResultsPdf", text);
}

void writeTable(PdfPages& pages, const ResultsTable& table) {
    pages.need(4);
    pages.text(table.title, 11, true);
    pages.down();
    pages.table(table.headings, table.rows);
}

} // namespace

std::optional<std::string> writeResultsPdf(const ScoredContest& scored, const Results& results,
                                           const std::string& path) {
    PdfPages pages(QString::fromStdString(path), said("Results: %1").arg(resultsHeading(scored)),
                   resultsHeading(scored));
    if (!pages.opened()) {
        return said("Results %1: cannot be written")
            .arg(QString::fromStdString(path))
            .toStdString();
    }
    if (const QString note = provisionalNote(results); !note.isEmpty()) {
        pages.text(note, 10, true);
        pages.down(2);
    }
    writeTable(pages, standingsTable(scored, results.standings, said("Standings")));
    if (!results.flyOff.pilots.empty()) {
        writeTable(pages, standingsTable(scored, results.flyOff, said("Fly-off")));
    }
    if (!results.teams.empty()) {
        writeTable(pages, teamsTable(scored, results.teams));
    }
    for (std::size_t round = 0; round < results.rounds.size(); ++round) {
        const ResultsTable table = roundTable(scored, results, static_cast<int>(round));
        if (!table.rows.empty()) {
            writeTable(pages, table);
        }
    }
    pages.need(3);
    pages.text(said("Rules"), 11, true);
    pages.down();
    for (const QString& rule : rulesLines(scored)) {
        pages.need(1);
        pages.text(rule, 9);
        pages.down();
    }
    if (!pages.finish()) {
        return said("Results %1: cannot be written")
            .arg(QString::fromStdString(path))
            .toStdString();
    }
    return std::nullopt;
}

} // namespace aerolap

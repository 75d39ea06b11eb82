#include "ResultsPdf.h"

#include "scores/ResultsTables.h"
#include "ui/widgets/PdfPages.h"

#include <QCoreApplication>

namespace aerolap {

namespace {

/// The texts of this file, as the catalogues hold them (lupdate reads `ResultsPdfText::tr`).
struct ResultsPdfText {
    Q_DECLARE_TR_FUNCTIONS(ResultsPdf)
};

void writeTable(PdfPages& pages, const ResultsTable& table) {
    pages.need(4);
    pages.text(table.title, 11, true);
    pages.down();
    pages.table(table.headings, table.rows);
}

} // namespace

std::optional<std::string> writeResultsPdf(const ScoredContest& scored, const Results& results,
                                           const std::string& path) {
    PdfPages pages(QString::fromStdString(path),
                   ResultsPdfText::tr("Results: %1").arg(resultsHeading(scored)),
                   resultsHeading(scored));
    if (!pages.opened()) {
        return ResultsPdfText::tr("Results %1: cannot be written")
            .arg(QString::fromStdString(path))
            .toStdString();
    }
    if (const QString note = provisionalNote(results); !note.isEmpty()) {
        pages.text(note, 10, true);
        pages.down(2);
    }
    writeTable(pages, standingsTable(scored, results.standings, ResultsPdfText::tr("Standings")));
    if (!results.flyOff.pilots.empty()) {
        writeTable(pages, standingsTable(scored, results.flyOff, ResultsPdfText::tr("Fly-off")));
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
    pages.text(ResultsPdfText::tr("Rules"), 11, true);
    pages.down();
    for (const QString& rule : rulesLines(scored)) {
        pages.need(1);
        pages.text(rule, 9);
        pages.down();
    }
    if (!pages.finish()) {
        return ResultsPdfText::tr("Results %1: cannot be written")
            .arg(QString::fromStdString(path))
            .toStdString();
    }
    return std::nullopt;
}

} // namespace aerolap

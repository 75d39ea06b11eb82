#include "ResultsText.h"

#include "ResultsTables.h"

#include <QCoreApplication>
#include <algorithm>

namespace aerolap {

namespace {

QString aligned(const ResultsTable& table) {
    std::vector<qsizetype> widths;
    const auto measure = [&widths](const QStringList& cells) {
        widths.resize(std::max(widths.size(), static_cast<std::size_t>(cells.size())));
        for (qsizetype i = 0; i < cells.size(); ++i) {
            auto& width = widths[static_cast<std::size_t>(i)];
            width = std::max(width, cells[i].size());
        }
    };
    measure(table.headings);
    std::ranges::for_each(table.rows, measure);
    const auto line = [&widths](const QStringList& cells) {
        QString text = QStringLiteral("  ");
        for (qsizetype i = 0; i < cells.size(); ++i) {
            text +=
                cells[i].leftJustified(widths[static_cast<std::size_t>(i)]) + QStringLiteral("  ");
        }
        while (text.endsWith(QLatin1Char(' '))) {
            text.chop(1);
        }
        return text + QLatin1Char('\n');
    };
    QString text = table.title + QLatin1Char('\n') + line(table.headings);
    for (const QStringList& row : table.rows) {
        text += line(row);
    }
    return text;
}

} // namespace

std::string resultsText(const ScoredContest& scored, const Results& results) {
    QString text = resultsHeading(scored) + QLatin1Char('\n');
    if (const QString note = provisionalNote(results); !note.isEmpty()) {
        text += note + QLatin1Char('\n');
    }
    text += QLatin1Char('\n') + QCoreApplication::translate("Results", "Rules") + QLatin1Char('\n');
    for (const QString& rule : rulesLines(scored)) {
        text += QStringLiteral("  ") + rule + QLatin1Char('\n');
    }
    text += QLatin1Char('\n') +
            aligned(standingsTable(scored, results.standings,
                                   QCoreApplication::translate("Results", "Standings")));
    if (!results.flyOff.pilots.empty()) {
        text += QLatin1Char('\n') +
                aligned(standingsTable(scored, results.flyOff,
                                       QCoreApplication::translate("Results", "Fly-off")));
    }
    if (!results.teams.empty()) {
        text += QLatin1Char('\n') + aligned(teamsTable(scored, results.teams));
    }
    return text.toStdString();
}

} // namespace aerolap

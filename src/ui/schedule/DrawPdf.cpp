#include "DrawPdf.h"

#include "ui/widgets/LayoutFonts.h"
#include "ui/widgets/PdfPages.h"

#include <QCoreApplication>
#include <algorithm>
#include <numeric>

namespace aerolap {

namespace {

// Names of 25 letters fit a column of this many groups across A4.
constexpr int kGroupsAcross = 6;

/// The texts of this file, as the catalogues hold them (lupdate reads `DrawPdfText::tr`).
struct DrawPdfText {
    Q_DECLARE_TR_FUNCTIONS(DrawPdf)
};

QString roundTitle(const Schedule& schedule, std::size_t round) {
    const ScheduleRound& each = schedule.rounds[round];
    QString title = each.task.empty() ? DrawPdfText::tr("Round %1").arg(round + 1)
                                      : DrawPdfText::tr("Round %1: task %2")
                                            .arg(round + 1)
                                            .arg(QString::fromStdString(each.task));
    if (!each.title.empty()) {
        title += QStringLiteral(", ") + QString::fromStdString(each.title);
    }
    return title;
}

void writeRounds(PdfPages& flow, const Schedule& schedule, const Draw& draw) {
    for (std::size_t round = 0; round < draw.rounds.size(); ++round) {
        const DrawnRound& groups = draw.rounds[round];
        if (groups.empty()) {
            continue;
        }
        flow.need(4);
        flow.text(roundTitle(schedule, round), 11, true);
        flow.down();
        for (std::size_t first = 0; first < groups.size(); first += kGroupsAcross) {
            std::vector<QString> headings;
            std::vector<QStringList> columns;
            for (std::size_t group = first; group < std::min(groups.size(), first + kGroupsAcross);
                 ++group) {
                headings.push_back(DrawPdfText::tr("Group %1").arg(group + 1));
                QStringList& names = columns.emplace_back();
                for (const std::string& name :
                     pilotsOf(draw, static_cast<int>(round), static_cast<int>(group))) {
                    names << QString::fromStdString(name);
                }
            }
            flow.columns(headings, columns, kGroupsAcross);
        }
    }
}

/// Each pilot, in alphabetical order, with the group of each round as round/group.
void writeIndex(PdfPages& flow, const Draw& draw) {
    flow.newPage();
    flow.text(DrawPdfText::tr("Pilots: round/group"), 11, true);
    flow.down();
    std::vector<int> order(draw.pilots.size());
    std::iota(order.begin(), order.end(), 0);
    std::ranges::sort(order, [&](int a, int b) {
        return QString::localeAwareCompare(
                   QString::fromStdString(draw.pilots[static_cast<std::size_t>(a)].name),
                   QString::fromStdString(draw.pilots[static_cast<std::size_t>(b)].name)) < 0;
    });
    for (const int pilot : order) {
        const DrawPilot& who = draw.pilots[static_cast<std::size_t>(pilot)];
        QStringList flights;
        for (std::size_t round = 0; round < draw.rounds.size(); ++round) {
            for (std::size_t group = 0; group < draw.rounds[round].size(); ++group) {
                if (std::ranges::count(draw.rounds[round][group], pilot) > 0) {
                    flights << QStringLiteral("%1/%2").arg(round + 1).arg(group + 1);
                }
            }
        }
        if (who.withdrawnFrom) {
            flights << DrawPdfText::tr("(withdrawn from round %1)").arg(*who.withdrawnFrom + 1);
        }
        flow.need(1);
        flow.text(QString::fromStdString(who.name), 9, true, 0, printFont(9).pointSize() * 60);
        flow.text(flights.join(QStringLiteral("  ")), 9, false, printFont(9).pointSize() * 60);
        flow.down();
    }
}

} // namespace

std::optional<std::string> writeDrawPdf(const Schedule& schedule, const std::string& path) {
    if (!schedule.draw) {
        return DrawPdfText::tr("The schedule has no draw to print.").toStdString();
    }
    QString heading =
        schedule.name.empty() ? DrawPdfText::tr("Contest") : QString::fromStdString(schedule.name);
    if (!schedule.date.empty()) {
        heading += QStringLiteral(", ") + QString::fromStdString(schedule.date);
    }
    PdfPages flow(QString::fromStdString(path),
                  DrawPdfText::tr("Draw: %1").arg(QString::fromStdString(schedule.name)), heading);
    const std::string unwritable = DrawPdfText::tr("Draw %1: cannot be written")
                                       .arg(QString::fromStdString(path))
                                       .toStdString();
    if (!flow.opened()) {
        return unwritable;
    }
    writeRounds(flow, schedule, *schedule.draw);
    writeIndex(flow, *schedule.draw);
    if (!flow.finish()) {
        return unwritable;
    }
    return std::nullopt;
}

} // namespace aerolap

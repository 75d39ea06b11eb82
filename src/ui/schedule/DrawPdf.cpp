#include "DrawPdf.h"

#include "ui/widgets/LayoutFonts.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <numeric>

namespace aerolap {

namespace {

constexpr int kDotsPerInch = 300;
constexpr double kMarginMillimetres = 15;
// Names of 25 letters fit a column of this many groups across A4.
constexpr int kGroupsAcross = 6;

/// Lays the document out from the top of each page down, starting a new page where a block would
/// not fit. Sizes are in the writer's dots.
class PageFlow {
public:
    PageFlow(QPdfWriter& writer, QPainter& painter, QString heading)
        : m_writer(writer), m_painter(painter), m_heading(std::move(heading)),
          m_width(painter.viewport().width()), m_height(painter.viewport().height()),
          m_line(QFontMetrics(printFont(9), &writer).height() * 5 / 4) {
        startPage();
    }

    /// Room for `lines` lines of text below, on this page or the next.
    void need(int lines) {
        if (m_y + lines * m_line > m_height) {
            newPage();
        }
    }
    void newPage() {
        m_writer.newPage();
        startPage();
    }

    void text(const QString& line, int points, bool bold = false, int x = 0, int width = -1) {
        m_painter.setFont(printFont(points, bold));
        m_painter.drawText(QRect(x, m_y, width < 0 ? m_width - x : width, m_line),
                           Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line);
    }
    void down(int lines = 1) { m_y += lines * m_line; }

    /// A table of columns of names with a heading over each, ruled.
    void table(const std::vector<QString>& headings, const std::vector<QStringList>& columns) {
        const int rows = static_cast<int>(std::ranges::max(columns, {}, &QStringList::size).size());
        need(rows + 2);
        const int width = m_width / kGroupsAcross;
        for (std::size_t column = 0; column < columns.size(); ++column) {
            const int x = static_cast<int>(column) * width;
            m_painter.drawRect(x, m_y, width, (rows + 1) * m_line);
            text(headings[column], 9, true, x + m_line / 4, width - m_line / 2);
            for (int row = 0; row < columns[column].size(); ++row) {
                m_y += m_line;
                text(columns[column][row], 9, false, x + m_line / 4, width - m_line / 2);
            }
            m_y -= static_cast<int>(columns[column].size()) * m_line;
        }
        down(rows + 2);
    }

private:
    void startPage() {
        m_y = 0;
        text(m_heading, 14, true);
        down(2);
    }

    QPdfWriter& m_writer;
    QPainter& m_painter;
    QString m_heading;
    int m_width;
    int m_height;
    int m_line;
    int m_y = 0;
};

QString roundTitle(const Schedule& schedule, std::size_t round) {
    const ScheduleRound& each = schedule.rounds[round];
    QString title = QStringLiteral("Round %1").arg(round + 1);
    if (!each.task.empty()) {
        title += QStringLiteral(": task ") + QString::fromStdString(each.task);
    }
    if (!each.title.empty()) {
        title += QStringLiteral(", ") + QString::fromStdString(each.title);
    }
    return title;
}

void writeRounds(PageFlow& flow, const Schedule& schedule, const Draw& draw) {
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
                headings.push_back(QStringLiteral("Group %1").arg(group + 1));
                QStringList& names = columns.emplace_back();
                for (const std::string& name :
                     pilotsOf(draw, static_cast<int>(round), static_cast<int>(group))) {
                    names << QString::fromStdString(name);
                }
            }
            flow.table(headings, columns);
        }
    }
}

/// Each pilot, in alphabetical order, with the group of each round as round/group.
void writeIndex(PageFlow& flow, const Draw& draw) {
    flow.newPage();
    flow.text(QStringLiteral("Pilots: round/group"), 11, true);
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
            flights << QStringLiteral("(withdrawn from round %1)").arg(*who.withdrawnFrom + 1);
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
        return std::string("The schedule has no draw to print.");
    }
    QPdfWriter writer(QString::fromStdString(path));
    writer.setResolution(kDotsPerInch);
    writer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("Draw: ") + QString::fromStdString(schedule.name));
    writer.setCreator(QStringLiteral("Aerolap"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return "Draw " + path + ": cannot be written";
    }
    QString heading = QString::fromStdString(schedule.name.empty() ? "Contest" : schedule.name);
    if (!schedule.date.empty()) {
        heading += QStringLiteral(", ") + QString::fromStdString(schedule.date);
    }
    PageFlow flow(writer, painter, heading);
    writeRounds(flow, schedule, *schedule.draw);
    writeIndex(flow, *schedule.draw);
    if (!painter.end()) {
        return "Draw " + path + ": cannot be written";
    }
    return std::nullopt;
}

} // namespace aerolap

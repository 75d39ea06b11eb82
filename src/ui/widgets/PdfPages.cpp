#include "PdfPages.h"

#include "LayoutFonts.h"

#include <QPageLayout>
#include <QPageSize>
#include <algorithm>
#include <numeric>

namespace aerolap {

namespace {
constexpr int kDotsPerInch = 300;
constexpr double kMarginMillimetres = 15;
constexpr int kTextPoints = 9;
} // namespace

PdfPages::PdfPages(const QString& path, const QString& title, QString heading)
    : m_writer(path), m_heading(std::move(heading)) {
    m_writer.setResolution(kDotsPerInch);
    m_writer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter));
    m_writer.setTitle(title);
    m_writer.setCreator(QStringLiteral("Aerolap"));
    if (!m_painter.begin(&m_writer)) {
        return;
    }
    m_width = m_painter.viewport().width();
    m_height = m_painter.viewport().height();
    m_line = QFontMetrics(printFont(kTextPoints), &m_writer).height() * 5 / 4;
    startPage();
}

void PdfPages::needHeight(int height) {
    if (m_y + height > m_height) {
        newPage();
    }
}

void PdfPages::newPage() {
    m_writer.newPage();
    startPage();
}

void PdfPages::startPage() {
    m_y = 0;
    text(m_heading, 14, true);
    down(2);
}

void PdfPages::text(const QString& line, int points, bool bold, int x, int width) {
    m_painter.setFont(printFont(points, bold));
    m_painter.drawText(QRect(x, m_y, width < 0 ? m_width - x : width, m_line),
                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line);
}

void PdfPages::columns(const std::vector<QString>& headings,
                       const std::vector<QStringList>& columns, int across) {
    const int rows = static_cast<int>(std::ranges::max(columns, {}, &QStringList::size).size());
    need(rows + 2);
    const int width = m_width / across;
    for (std::size_t column = 0; column < columns.size(); ++column) {
        const int x = static_cast<int>(column) * width;
        m_painter.drawRect(x, m_y, width, (rows + 1) * m_line);
        text(headings[column], kTextPoints, true, x + m_line / 4, width - m_line / 2);
        for (int row = 0; row < columns[column].size(); ++row) {
            m_y += m_line;
            text(columns[column][row], kTextPoints, false, x + m_line / 4, width - m_line / 2);
        }
        m_y -= static_cast<int>(columns[column].size()) * m_line;
    }
    down(rows + 2);
}

void PdfPages::table(const QStringList& headings, const std::vector<QStringList>& rows) {
    const QFontMetrics plain(printFont(kTextPoints), &m_writer);
    const QFontMetrics bold(printFont(kTextPoints, true), &m_writer);
    const int gap = m_line / 2;
    std::vector<int> widths;
    for (qsizetype i = 0; i < headings.size(); ++i) {
        widths.push_back(bold.horizontalAdvance(headings[i]) + gap);
    }
    for (const QStringList& row : rows) {
        for (qsizetype i = 0; i < row.size() && i < headings.size(); ++i) {
            auto& width = widths[static_cast<std::size_t>(i)];
            width = std::max(width, plain.horizontalAdvance(row[i]) + gap);
        }
    }
    // Too wide a table is narrowed evenly; a cell that still does not fit is cut.
    const int total = std::max(1, std::accumulate(widths.begin(), widths.end(), 0));
    for (int& width : widths) {
        width = total > m_width ? width * m_width / total : width;
    }
    const auto drawRow = [&](const QStringList& cells, bool isHeading) {
        int x = 0;
        for (qsizetype i = 0; i < cells.size() && i < headings.size(); ++i) {
            const int width = widths[static_cast<std::size_t>(i)];
            text(cells[i], kTextPoints, isHeading, x, width - gap);
            x += width;
        }
        m_painter.drawLine(0, m_y + m_line, x, m_y + m_line);
        down();
    };
    need(2);
    drawRow(headings, true);
    for (const QStringList& row : rows) {
        if (m_y + m_line > m_height) {
            newPage();
            drawRow(headings, true);
        }
        drawRow(row, false);
    }
    down();
}

} // namespace aerolap

#pragma once

#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <QStringList>
#include <vector>

namespace aerolap {

/// An A4 PDF of the program's own (the draw, the results, the cards), written with QPdfWriter in
/// the print face, laid out from the top of each page down under the same heading: a new page
/// starts where a block would not fit. There is no print dialog: the file is printed from a
/// viewer. Sizes are in the writer's dots.
class PdfPages {
public:
    /// Starts the file at `path`; `title` goes into its properties, `heading` atop every page.
    PdfPages(const QString& path, const QString& title, QString heading);
    PdfPages(const PdfPages&) = delete;
    PdfPages& operator=(const PdfPages&) = delete;

    /// Whether the file could be started; nothing is drawn otherwise.
    bool opened() const { return m_painter.isActive(); }
    /// Ends the file; says whether all of it was written.
    bool finish() { return m_painter.end(); }

    QPainter& painter() { return m_painter; }
    int width() const { return m_width; }
    /// The height of a line of text, and the room between two.
    int line() const { return m_line; }
    /// How far down the page the next block goes.
    int y() const { return m_y; }

    /// Room for `height` dots below, on this page or the next.
    void needHeight(int height);
    void need(int lines) { needHeight(lines * m_line); }
    void newPage();
    void down(int lines = 1) { m_y += lines * m_line; }
    void downBy(int height) { m_y += height; }

    void text(const QString& line, int points, bool bold = false, int x = 0, int width = -1);
    /// Columns of names with a heading over each, ruled, `across` of them to the width.
    void columns(const std::vector<QString>& headings, const std::vector<QStringList>& columns,
                 int across);
    /// Rows of cells under bold headings, each column as wide as its widest cell allows, the
    /// headings again atop each new page.
    void table(const QStringList& headings, const std::vector<QStringList>& rows);

private:
    void startPage();

    QPdfWriter m_writer;
    QPainter m_painter;
    QString m_heading;
    int m_width = 0;
    int m_height = 0;
    int m_line = 0;
    int m_y = 0;
};

} // namespace aerolap

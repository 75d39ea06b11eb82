#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class QTextBrowser;

namespace aerolap {

/// The "Day log" window: the report of today's log as a page, read again each time the window is
/// shown, so it holds the cycles run since it was last open.
class DayLogWindow final : public QWidget {
    Q_OBJECT

public:
    using ReportPage = std::function<QString()>;

    explicit DayLogWindow(ReportPage reportPage, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    ReportPage m_reportPage;
    QTextBrowser* m_page;
};

} // namespace aerolap

#include "DayLogWindow.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace aerolap {

DayLogWindow::DayLogWindow(ReportPage reportPage, QWidget* parent)
    : QWidget(parent, Qt::Window), m_reportPage(std::move(reportPage)),
      m_page(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("DayLogWindow"));
    setWindowTitle(tr("Day log"));
    m_page->setObjectName(QStringLiteral("report"));
    m_page->setOpenLinks(false);
    (new QVBoxLayout(this))->addWidget(m_page);
    resize(720, 520);
}

void DayLogWindow::showEvent(QShowEvent* event) {
    m_page->setHtml(m_reportPage());
    QWidget::showEvent(event);
}

} // namespace aerolap

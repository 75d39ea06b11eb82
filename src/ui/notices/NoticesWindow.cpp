#include "NoticesWindow.h"

#include "i18n/MessageText.h"

#include <QApplication>
#include <QDateTime>
#include <QListWidget>
#include <QVBoxLayout>

namespace aerolap {

NoticesWindow::NoticesWindow(NoticeBoard& board, QWidget* parent)
    : QWidget(parent, Qt::Window), m_list(new QListWidget(this)) {
    setObjectName(QStringLiteral("NoticesWindow"));
    setWindowTitle(tr("Notices"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_list->setObjectName(QStringLiteral("notices"));
    m_list->setWordWrap(true);
    (new QVBoxLayout(this))->addWidget(m_list);
    resize(640, 240);
    // Notices come from any thread; the window changes on its own, and lives as long as the
    // program's notices do.
    board.listen([this](const Notice& notice) {
        QMetaObject::invokeMethod(
            this, [this, notice] { add(notice); }, Qt::QueuedConnection);
    });
}

void NoticesWindow::add(const Notice& notice) {
    const auto at = QDateTime::fromMSecsSinceEpoch(
        std::chrono::duration_cast<std::chrono::milliseconds>(notice.at.time_since_epoch())
            .count());
    m_list->addItem(at.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("  ") +
                    messageText(notice.message));
    m_list->scrollToBottom();
    if (notice.urgency == Notice::Urgency::ActNow) {
        // Some window systems activate a window they show whatever it asks; the timer window
        // gets the keyboard back at once.
        QWidget* const active = QApplication::activeWindow();
        show();
        raise();
        if (active != nullptr && active != this) {
            active->activateWindow();
        }
    }
}

} // namespace aerolap

#pragma once

#include "notices/NoticeBoard.h"

#include <QWidget>

class QListWidget;

namespace aerolap {

/// The "Notices" window: every notice of the board with the time it came, newest last. A notice
/// the director must act on brings the window up by itself, without taking the keyboard from the
/// timer window, where Space and Enter must go on pressing its buttons.
class NoticesWindow final : public QWidget {
    Q_OBJECT

public:
    explicit NoticesWindow(NoticeBoard& board, QWidget* parent = nullptr);

private:
    void add(const Notice& notice);

    QListWidget* m_list;
};

} // namespace aerolap

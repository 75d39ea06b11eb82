#include "ui/notices/NoticesWindow.h"

#include "VirtualTime.h"

#include <QApplication>
#include <QDateTime>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <sstream>

namespace aerolap::testing {
namespace {

// The timer window stands in as a focused field; the notices must come up beside it, not in its
// place.
TEST(NoticesWindow, ListsEveryNoticeAndComesUpForOneToActOnWithoutTakingTheFocus) {
    VirtualTime time;
    std::ostringstream errors;
    NoticeBoard board{time.wall, errors};
    board.post("Pilots' display: http://192.168.1.20:8080/");
    QLineEdit timer;
    timer.show();
    timer.activateWindow();
    timer.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&timer));

    NoticesWindow window(board);
    auto* list = window.findChild<QListWidget*>(QStringLiteral("notices"));
    QTest::qWait(20);
    ASSERT_EQ(list->count(), 1);
    // The director reads the laptop's own time of day.
    const auto clockTime = [](const Notice& notice) {
        return QDateTime::fromMSecsSinceEpoch(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                  notice.at.time_since_epoch())
                                                  .count())
            .toString(QStringLiteral("HH:mm:ss  "));
    };
    EXPECT_EQ(list->item(0)->text(),
              clockTime(board.entries()[0]) + "Pilots' display: http://192.168.1.20:8080/");
    EXPECT_FALSE(window.isVisible()) << "a notice for the record stays in its window";

    time.advance(std::chrono::seconds(75));
    board.post("The laptop slept for 3 min 12 s.", Notice::Urgency::ActNow);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isVisible(); }, 2000));
    EXPECT_EQ(list->item(1)->text(),
              clockTime(board.entries()[1]) + "The laptop slept for 3 min 12 s.");
    EXPECT_EQ(board.entries()[1].at - board.entries()[0].at, std::chrono::seconds(75));
    EXPECT_EQ(QApplication::focusWidget(), &timer);
}

} // namespace
} // namespace aerolap::testing

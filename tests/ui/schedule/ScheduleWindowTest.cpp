#include "ui/schedule/ScheduleWindow.h"

#include "TimedWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

struct ScheduleWindowTest : ::testing::Test {
    void click(const char* text) {
        for (auto* button : window.findChildren<QPushButton*>()) {
            if (button->text() == QString::fromLatin1(text)) {
                button->click();
            }
        }
    }
    QString cells(int row) {
        QStringList texts;
        for (int column = 0; column < table->columnCount(); ++column) {
            texts << table->item(row, column)->text();
        }
        return texts.join(QLatin1Char('|'));
    }
    QString label(const char* name) { return window.findChild<QLabel*>(name)->text(); }

    TimedWindow w;
    ScheduleRunner runner{w.form, w.time};
    ScheduleSession session{runner, w.messageBoxes};
    ScheduleWindow window{runner, session, w.time, w.messageBoxes};
    QTableWidget* table = window.findChild<QTableWidget*>(QStringLiteral("rounds"));
};

TEST_F(ScheduleWindowTest, AddsPresetRoundsChecksEditsAndShowsTheCycleInHand) {
    EXPECT_EQ(label("current"), "No schedule: open one or add a round.");
    window.findChild<QComboBox*>()->setCurrentIndex(2);
    click("Add round");
    EXPECT_EQ(cells(0), "C|All up, last down|00.03.03|1|3|");
    table->item(0, 3)->setText(QStringLiteral("0"));
    EXPECT_EQ(w.messageBoxes.shown().back().text,
              "The schedule: round 1, groups: must be from 1 to 99");
    table->item(0, 2)->setText(QStringLiteral("000500"));
    table->item(0, 5)->setText(QStringLiteral("00.00.40"));
    EXPECT_EQ(cells(0), "C|All up, last down|00.05.00|1|3|00.00.40");
    EXPECT_EQ(w.form.Clock3.clockTimeText(), "00.05.00");

    w.form.Command5.click();
    w.time.advance(5s);
    click("Skip");
    EXPECT_EQ(runner.position(), SchedulePosition{});
    EXPECT_EQ(label("current"), "round 1, group 1, flight 1: cycle running");
    EXPECT_TRUE(label("next").startsWith(QStringLiteral("Next: round 1, group 1, flight 2 at ")));
    EXPECT_EQ(w.messageBoxes.shown().size(), 2U); // the refused skip
}

} // namespace
} // namespace aerolap::testing

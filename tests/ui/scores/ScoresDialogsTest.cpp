// The Scores window's own dialogs, the system's as the program shows them, answered by a script
// that runs once each dialog is up: what they show, what they give back, and a cancel.
#include "ui/scores/ScoresDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

/// Runs `answer` on the dialog once it is up, inside its own event loop.
void whenUp(std::function<void(QDialog&)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
}

template <typename Widget> std::vector<Widget*> fields(QDialog& dialog) {
    const auto found = dialog.findChildren<Widget*>(Qt::FindDirectChildrenOnly);
    return {found.begin(), found.end()};
}

void press(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    fields<QDialogButtonBox>(dialog).front()->button(which)->click();
}

struct ScoresDialogsTest : ::testing::Test {
    QWidget parent;
    ScoresDialogs dialogs = systemScoresDialogs();
};

// Dropped rounds that are no steps are named in a box and asked again; the rest of the rules
// come back as set, the fly-off's round counted from 0.
TEST_F(ScoresDialogsTest, RulesShowTheRulesInForceAndGiveBackThoseSet) {
    ContestRules rules;
    rules.minimumRounds = 4;
    whenUp([](QDialog& dialog) {
        auto* dropped = fields<QLineEdit>(dialog).front();
        EXPECT_EQ(dropped->text(), "5:1 9:2 14:3 19:4 24:5");
        const auto numbers = fields<QSpinBox>(dialog);
        ASSERT_EQ(numbers.size(), 5U);
        EXPECT_EQ(numbers[0]->value(), 4);
        EXPECT_EQ(numbers[4]->text(), "none") << "no fly-off";
        dropped->setText(QStringLiteral("four"));
        QTimer::singleShot(0, [dropped, numbers] {
            QApplication::activeModalWidget()->close(); // the box naming the fault
            whenUp([dropped, numbers](QDialog& again) {
                dropped->setText(QStringLiteral("4:1"));
                numbers[0]->setValue(2);
                numbers[2]->setValue(2);
                numbers[4]->setValue(3);
                fields<QComboBox>(again)[1]->setCurrentIndex(1);
                press(again, QDialogButtonBox::Ok);
            });
        });
        press(dialog, QDialogButtonBox::Ok);
    });
    const auto chosen = dialogs.rules(parent, {rules, std::nullopt}, 6);
    ASSERT_TRUE(chosen);
    ContestRules expected = rules;
    expected.droppedRounds = {{4, 1}};
    expected.minimumRounds = 2;
    expected.teamMembersCounted = 2;
    expected.team = TeamRule::BestMembers;
    EXPECT_EQ(chosen->rules, expected);
    EXPECT_EQ(chosen->flyOffFrom, 2);

    whenUp([](QDialog& dialog) { press(dialog, QDialogButtonBox::Cancel); });
    EXPECT_FALSE(dialogs.rules(parent, {rules, std::nullopt}, 6));
}

TEST_F(ScoresDialogsTest, ReflightGivesTheGrantedAndTheFillersByTheirPlacesInTheList) {
    const QStringList pilots{"Anna", "Bruno", "Carla"};
    whenUp([&pilots](QDialog& dialog) {
        const auto lists = fields<QListWidget>(dialog);
        ASSERT_EQ(lists.size(), 2U);
        for (QListWidget* list : lists) {
            ASSERT_EQ(list->count(), pilots.size());
            EXPECT_EQ(list->item(2)->text(), pilots[2]);
        }
        lists[0]->item(1)->setCheckState(Qt::Checked);
        lists[1]->item(0)->setCheckState(Qt::Checked);
        lists[1]->item(2)->setCheckState(Qt::Checked);
        press(dialog, QDialogButtonBox::Ok);
    });
    const auto chosen = dialogs.reflight(parent, pilots);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->granted, std::vector<int>{1});
    EXPECT_EQ(chosen->fillers, (std::vector<int>{0, 2}));

    whenUp([](QDialog& dialog) { press(dialog, QDialogButtonBox::Cancel); });
    EXPECT_FALSE(dialogs.reflight(parent, pilots));
}

} // namespace
} // namespace aerolap::testing

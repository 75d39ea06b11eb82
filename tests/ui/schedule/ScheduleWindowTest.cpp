#include "ui/schedule/ScheduleWindow.h"

#include "TimedWindow.h"
#include "i18n/Catalogues.h"
#include "schedule/ScheduleFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>
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
        for (int column = 0; column < model->columnCount(); ++column) {
            texts << model->index(row, column).data().toString();
        }
        return texts.join(QLatin1Char('|'));
    }
    bool type(int row, int column, const char* text) {
        return model->setData(model->index(row, column), QString::fromLatin1(text));
    }
    QString label(const char* name) { return window.findChild<QLabel*>(name)->text(); }
    std::string lastMessage() { return w.messageBoxes.shown().back().text; }

    // The program's English, plural forms and all.
    const Catalogues english{"en", {}};
    TimedWindow w;
    ScheduleRunner runner{w.cycle, w.time};
    ScheduleSession session{runner, w.messageBoxes};
    QString chosenFile; // the open dialog's answer, and the draw dialogs' below
    QString drawFile;
    QString pdfFile;
    std::optional<DrawRequest> request;
    QString withdrawing;
    QStringList offeredToWithdraw;
    ScheduleWindow window{
        runner,
        session,
        w.time,
        w.messageBoxes,
        nullptr,
        {[this](QWidget&) { return chosenFile; }, [](QWidget&) { return QString(); },
         [this](QWidget&) { return drawFile; }, [this](QWidget&) { return pdfFile; },
         [this](QWidget&) { return request; },
         [this](QWidget&, const QStringList& pilots) {
             offeredToWithdraw = pilots;
             return withdrawing;
         }}};
    QTableView* table = window.findChild<QTableView*>(QStringLiteral("rounds"));
    QAbstractItemModel* model = table->model();
};

TEST_F(ScheduleWindowTest, AddsPresetRoundsChecksEditsAndShowsTheCycleInHand) {
    EXPECT_EQ(label("current"), "No schedule: open one or add a round.");
    window.findChild<QComboBox*>()->setCurrentIndex(2);
    click("Add round");
    const QString added = "C|All up, last down|00.03.03|1|3|";
    EXPECT_EQ(cells(0), added);
    EXPECT_FALSE(type(0, 3, "0"));
    EXPECT_EQ(lastMessage(), "The schedule: round 1, groups: must be from 1 to 99");
    EXPECT_EQ(cells(0), added);
    EXPECT_TRUE(type(0, 2, "000500"));
    EXPECT_TRUE(type(0, 5, "00.00.40"));
    EXPECT_EQ(cells(0), "C|All up, last down|00.05.00|1|3|00.00.40");
    EXPECT_EQ(w.form.Clock3.clockTimeText(), "00.05.00");

    w.form.Command5.click();
    w.time.advance(5s);
    EXPECT_TRUE(type(0, 0, "C")); // left as it was
    EXPECT_FALSE(type(0, 1, "Ladder"));
    EXPECT_EQ(lastMessage(), "The schedule can be changed only while no cycle runs.");
    auto* extendedFrame = window.findChild<QCheckBox*>();
    extendedFrame->click();
    EXPECT_FALSE(extendedFrame->isChecked());
    EXPECT_EQ(cells(0), "C|All up, last down|00.05.00|1|3|00.00.40");
    click("Skip");
    EXPECT_EQ(runner.position(), SchedulePosition{});
    EXPECT_EQ(label("current"), "round 1, group 1, flight 1: cycle running");
    EXPECT_TRUE(label("next").startsWith(QStringLiteral("Next: round 1, group 1, flight 2 at ")));
    EXPECT_EQ(w.messageBoxes.shown().size(), 4U); // the refused skip
}

TEST_F(ScheduleWindowTest, OpensTheChosenFileMovesThroughItAndRemovesTheChosenRound) {
    Schedule day;
    day.rounds.resize(2);
    day.rounds[0].working = 60;
    day.rounds[1].working = 30;
    day.rounds[1].groups = day.rounds[1].flights = 2;
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("day.json"));
    ASSERT_EQ(saveSchedule(day, path.toStdString()), std::nullopt);
    click("Open..."); // cancelled
    EXPECT_FALSE(runner.loaded());
    chosenFile = path;
    click("Open...");
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(cells(1), "||00.00.30|2|2|");

    const auto spins = window.findChildren<QSpinBox*>();
    for (const int i : {0, 1, 2}) {
        spins[i]->setValue(2);
    }
    click("Jump");
    EXPECT_EQ(runner.position(), (SchedulePosition{1, 1, 1}));
    const auto bold = [this](int row) {
        return model->index(row, 0).data(Qt::FontRole).value<QFont>().bold();
    };
    EXPECT_TRUE(bold(1) && !bold(0)); // the round in hand
    click("Back one");
    EXPECT_EQ(runner.position(), (SchedulePosition{1, 1, 0}));
    click("Skip");
    EXPECT_EQ(runner.position(), (SchedulePosition{1, 1, 1}));

    table->setCurrentIndex(model->index(0, 0));
    click("Remove round");
    ASSERT_EQ(model->rowCount(), 1);
    EXPECT_EQ(cells(0), "||00.00.30|2|2|");
    click("Remove round"); // the last round stays
    EXPECT_EQ(model->rowCount(), 1);
    EXPECT_TRUE(w.messageBoxes.shown().empty());
}

/// The groups beside the rounds: each group's title, then its pilots.
QStringList groupsShown(QTreeWidget& tree) {
    QStringList shown;
    for (int group = 0; group < tree.topLevelItemCount(); ++group) {
        QStringList line{tree.topLevelItem(group)->text(0) + ":"};
        for (int pilot = 0; pilot < tree.topLevelItem(group)->childCount(); ++pilot) {
            line << tree.topLevelItem(group)->child(pilot)->text(0);
        }
        shown << line.join(QLatin1Char(' '));
    }
    return shown;
}

/// The index at the end of the printed draw, as text: "pilot: round/group ...", one a line.
QStringList printedIndex(const QString& pdf) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.waitForFinished(30'000));
    const QString all = QString::fromUtf8(text.readAllStandardOutput());
    QStringList lines;
    for (const QString& line : all.mid(all.indexOf(QStringLiteral("Pilots: round/group")))
                                   .split(QLatin1Char('\n'))
                                   .mid(1)) {
        const QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() > 1) {
            lines << words.first() + ": " + words.mid(1).join(QLatin1Char(' '));
        }
    }
    return lines;
}

TEST_F(ScheduleWindowTest, ShowsImportsGeneratesWithdrawsAndPrintsTheDraw) {
    Schedule day;
    day.name = "Club day";
    day.date = "2026-06-07";
    day.rounds.resize(2);
    day.rounds[0].working = day.rounds[1].working = 60;
    day.rounds[0].groups = day.rounds[1].groups = 2;
    ASSERT_TRUE(runner.load(day));
    const QTemporaryDir folder;
    drawFile = folder.filePath(QStringLiteral("draw.csv"));
    QFile csv(drawFile);
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("round,group,pilot\n1,1,Anna\n1,1,Bruno\n1,2,Carla\n2,1,Carla\n2,2,Anna\n"
              "2,2,Bruno\n");
    csv.close();
    click("Import draw...");
    auto* groups = window.findChild<QTreeWidget*>(QStringLiteral("groups"));
    EXPECT_EQ(groupsShown(*groups),
              (QStringList{"Group 1 (in hand): Anna Bruno", "Group 2 (next): Carla"}));
    EXPECT_EQ(label("drawSummary"), "3 pilots, imported; two pilots meet 0 to 2 times");
    table->setCurrentIndex(model->index(1, 0));
    EXPECT_EQ(groupsShown(*groups), (QStringList{"Group 1: Carla", "Group 2: Anna Bruno"}));

    pdfFile = folder.filePath(QStringLiteral("draw.pdf"));
    click("Print draw...");
    EXPECT_EQ(printedIndex(pdfFile),
              (QStringList{"Anna: 1/1 2/2", "Bruno: 1/1 2/2", "Carla: 1/2 2/1"}));

    withdrawing = QStringLiteral("Bruno");
    click("Withdraw pilot...");
    EXPECT_EQ(offeredToWithdraw, (QStringList{"Anna", "Bruno", "Carla"}));
    EXPECT_EQ(groupsShown(*groups), (QStringList{"Group 1: Carla", "Group 2: Anna"}));
    click("Print draw...");
    EXPECT_EQ(printedIndex(pdfFile).at(1), "Bruno: (withdrawn from round 1)");

    request = DrawRequest{std::get<std::vector<DrawPilot>>(pilotsFromLines(
                              QStringLiteral("Anna; A\n\n  Bruno ; A \nCarla\nDario\nElena"))),
                          {0, 2, 5}};
    click("Generate draw...");
    EXPECT_TRUE(lastMessage().starts_with("Drawn. Two pilots meet ")) << lastMessage();
    EXPECT_EQ(groups->topLevelItemCount(), 2);
    EXPECT_TRUE(label("drawSummary").startsWith(QStringLiteral("5 pilots, generated with seed 5")));
    EXPECT_EQ(std::get<std::string>(pilotsFromLines(QStringLiteral("Anna\nBruno\nAnna"))),
              "Line 3: \"Anna\" is in the list twice");
    EXPECT_EQ(std::get<std::string>(pilotsFromLines(QStringLiteral("; Team"))),
              "Line 1: a team without a pilot's name");
}

} // namespace
} // namespace aerolap::testing

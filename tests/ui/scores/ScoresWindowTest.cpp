#include "ui/scores/ScoresWindow.h"

#include "ContestDay.h"
#include "TimedComposition.h"
#include "scores/ResultsCsv.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

/// The Scores window on the contest day, shown and active, its dialogs scripted.
struct ScoresWindowTest : ::testing::Test {
    ScoresWindowTest() {
        world.loadSchedule(kContestDay);
        window.show();
        QApplication::setActiveWindow(&window);
        QApplication::processEvents();
    }
    template <typename Widget> Widget* find(const char* name, int row) {
        return window.findChild<Widget*>(QLatin1StringView(name) + QString::number(row));
    }
    QLineEdit* field(const char* name, int row) { return find<QLineEdit>(name, row); }
    QString shown(const char* name, int row) { return find<QLabel>(name, row)->text(); }
    QString label(const char* name) { return window.findChild<QLabel*>(name)->text(); }
    /// Types into the field as a timekeeper would, and leaves it with Tab.
    void type(const char* name, int row, const char* typed, bool leave = true) {
        QLineEdit* edit = field(name, row);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString::fromUtf8(typed));
        if (leave) {
            QTest::keyClick(edit, Qt::Key_Tab);
        }
    }
    void click(const QString& caption) {
        for (auto* button : window.findChildren<QPushButton*>()) {
            if (button->text().remove(QLatin1Char('&')) == caption) {
                button->click();
            }
        }
    }
    const Card* entered(GroupPlace group, const std::string& pilot) {
        const GroupSheet* sheet = world.timer.scores().sheet().find(group.round, group.group);
        const auto card = sheet ? sheet->cards.find(pilot) : decltype(sheet->cards.end()){};
        return sheet && card != sheet->cards.end() ? &card->second : nullptr;
    }

    TimedComposition world;
    QString chosenFile;
    std::optional<ReflightChoice> reflight;
    ScoresWindow window{
        world.timer.scores(),
        world.timer.scheduleRunner(),
        nullptr,
        {[this](QWidget&, const QString&, const QString&) { return chosenFile; },
         [this](QWidget&, const QStringList&) { return reflight; },
         [](QWidget&, const RulesChoice&, int) { return std::optional<RulesChoice>(); }}};
};

std::vector<int> secondsOf(const Card* card) {
    std::vector<int> seconds;
    for (const Flight& flight : card ? card->flights : std::vector<Flight>{}) {
        seconds.push_back(flight.seconds);
    }
    return seconds;
}

// The window opens on the group just flown with a row a pilot; a card is typed in digits alone,
// scored as it is typed, and entered when Tab takes the timekeeper to the next pilot's times.
TEST_F(ScoresWindowTest, TypesACardQuicklyWithItsScoresAsTypedAndTabToTheNextPilot) {
    EXPECT_EQ(shown("pilot", 0), "Anna");
    EXPECT_EQ(shown("pilot", 1), "Bruno");
    EXPECT_TRUE(field("flights", 0)->hasFocus());
    type("flights", 0, "259 130 410", false);
    EXPECT_EQ(shown("raw", 0) + "|" + shown("score", 0), "250|1000.0");
    EXPECT_EQ(shown("raw", 1) + shown("score", 1), "") << "nothing typed for Bruno yet";
    EXPECT_EQ(entered({0, 0}, "Anna"), nullptr) << "not before the field is left";
    QTest::keyClick(field("flights", 0), Qt::Key_Tab);
    EXPECT_EQ(secondsOf(entered({0, 0}, "Anna")), (std::vector<int>{179, 90, 250}));
    EXPECT_TRUE(field("flights", 1)->hasFocus()) << "Tab goes to the next pilot's times";

    type("flights", 1, "100");
    EXPECT_EQ(secondsOf(entered({0, 0}, "Bruno")), (std::vector<int>{60})) << "100 is 1:00";
    EXPECT_EQ(shown("raw", 1) + "|" + shown("score", 1), "60|240.0");
    EXPECT_TRUE(field("penalty", 0)->hasFocus()) << "the penalties after the times";
    type("penalty", 0, "100");
    EXPECT_EQ(entered({0, 0}, "Anna")->penalty, 100);
    find<QComboBox>("mark", 1)->setCurrentIndex(2);
    find<QComboBox>("mark", 1)->activated(2);
    EXPECT_EQ(entered({0, 0}, "Bruno")->mark, CardMark::NoShow);
    EXPECT_EQ(label("message"), "Bruno: entered.");

    // A poker row names the target before each flight; a reached one counts whole.
    window.showGroup({1, 0});
    EXPECT_TRUE(field("targets", 0)->hasFocus());
    type("targets", 0, "100 200");
    EXPECT_TRUE(field("flights", 0)->hasFocus()) << "a poker row's times after its targets";
    EXPECT_TRUE(field("targets", 0)->styleSheet().isEmpty()) << "no fault before the times";
    type("flights", 0, "105 150");
    EXPECT_EQ(shown("raw", 0), "60");
    EXPECT_EQ(entered({1, 0}, "Anna")->flights[1].target, 120);
}

// Shown again, the window opens on the group before the one the schedule has in hand, its first
// pilot's field ready for typing.
TEST_F(ScoresWindowTest, OpensOnTheGroupJustFlown) {
    window.hide();
    ASSERT_TRUE(world.timer.scheduleRunner().jumpTo({1, 1, 0}));
    window.show();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
    EXPECT_EQ(window.findChild<QSpinBox*>("round")->value(), 2);
    EXPECT_EQ(window.findChild<QSpinBox*>("group")->value(), 1);
    EXPECT_EQ(shown("pilot", 0) + "|" + shown("pilot", 1), "Anna|Carla, Jr.");
    EXPECT_TRUE(field("targets", 0)->hasFocus());
}

// A card from a timekeeper's phone shows as it arrives, with the phone and the pilot's signature;
// the pilots without one are marked; "Timekeepers..." brings up the phones' pairing window.
TEST_F(ScoresWindowTest, ShowsEachCardAsItArrivesFromAPhoneAndWhoHasNoneYet) {
    world.timer.scores().keepScoresIn(world.stateFolder.filePath("day.scores.json").toStdString());
    EXPECT_EQ(shown("source", 0) + "|" + shown("source", 1), "no card yet|no card yet");
    std::optional<PhoneAnswer> answer;
    world.timer.scores().takeFromPhone(
        {{"0123456789abcdef0123456789abcdef", 1, "Timekeeper 1", "A.B."}, 0, 0, "Bruno",
         {{75, 3, 0, 0}}},
        [&answer](PhoneAnswer told) { answer = told; });
    ASSERT_TRUE(QTest::qWaitFor([&answer] { return answer.has_value(); }, 2000));
    EXPECT_EQ(answer->kind, PhoneAnswer::Kind::Taken);
    EXPECT_EQ(field("flights", 1)->text(), "1:15");
    EXPECT_EQ(shown("source", 1), "phone \"Timekeeper 1\", signed \"A.B.\"");
    type("flights", 0, "1:00");
    EXPECT_EQ(shown("source", 0), "typed in");

    QWidget timekeepers;
    window.offerTimekeepers(timekeepers);
    click("Timekeepers...");
    EXPECT_TRUE(timekeepers.isVisible());
}

struct Bad {
    GroupPlace group;
    const char* field;
    const char* typed;
    const char* said;
};

// A bad entry is named at the field, the typed text stays for the timekeeper to put right, and the
// card entered before stands.
TEST_F(ScoresWindowTest, RefusesBadEntriesAtTheFieldAndLosesNothing) {
    type("flights", 0, "410");
    for (const Bad& bad : {
             Bad{{0, 0},
                 "flights",
                 "7:01",
                 "Anna: \"7:01\" is longer than the working time of 7:00"},
             Bad{{0, 0}, "flights", "160", "Anna: \"160\" has 60 seconds or more"},
             Bad{{0, 0}, "flights", "4:1O", "Anna: \"4:1O\" is not a time"},
             Bad{{0, 0}, "flights", "-30", "Anna: \"-30\" is negative"},
             Bad{{0, 0}, "penalty", "ten", "Anna: the penalty \"ten\" is not a number of points."},
             Bad{{2, 0},
                 "flights",
                 "10 20 30 40",
                 "Anna: \"40\" is one flight too many: task C has at most 3"},
             Bad{{1, 0},
                 "flights",
                 "105 150",
                 "Anna: 0 target(s) for 2 flight(s): give the target named before each flight."},
         }) {
        window.showGroup(bad.group);
        type(bad.field, 0, bad.typed);
        EXPECT_EQ(label("message"),
                  QString::fromUtf8(bad.said) + " Nothing was entered: the card stays as it was.");
        EXPECT_EQ(field(bad.field, 0)->text(), QString::fromUtf8(bad.typed));
        EXPECT_FALSE(field(bad.field, 0)->styleSheet().isEmpty());
        EXPECT_EQ(field(bad.field, 0)->toolTip(), QString::fromUtf8(bad.said));
    }
    window.showGroup({0, 0});
    EXPECT_EQ(secondsOf(entered({0, 0}, "Anna")), (std::vector<int>{250}));
    EXPECT_EQ(world.timer.scores().sheet().rounds.size(), 1U) << "nothing entered elsewhere";
}

// A group is provisional until it is confirmed, and again once a card of it changes.
TEST_F(ScoresWindowTest, ConfirmsTheGroupUntilACardOfItChanges) {
    click(QStringLiteral("Confirm group"));
    EXPECT_EQ(label("message"), "Group 1 of round 1 has no card to confirm.");
    EXPECT_TRUE(label("task").endsWith(QStringLiteral("nothing entered")));
    type("flights", 0, "410");
    EXPECT_EQ(label("task"), "Task A, working time 7:00: provisional");
    click(QStringLiteral("Confirm group"));
    EXPECT_EQ(label("task"), "Task A, working time 7:00: confirmed");
    EXPECT_FALSE(world.timer.scores().results().rounds[0][0].provisional);
    type("flights", 0, "420");
    EXPECT_EQ(label("task"), "Task A, working time 7:00: provisional");
    click(QStringLiteral("Confirm group"));
    type("flights", 0, "");
    EXPECT_EQ(label("message"), "Anna: card cleared.");
    EXPECT_EQ(entered({0, 0}, "Anna"), nullptr);
    EXPECT_EQ(label("task"), "Task A, working time 7:00: nothing entered");

    reflight = ReflightChoice{{1}, {2}};
    click(QStringLiteral("Re-flight group..."));
    EXPECT_EQ(shown("pilot", 0) + "|" + shown("pilot", 1), "Bruno|Carla, Jr.");
    EXPECT_EQ(label("task"), "Task A, working time 7:00, re-flight group: nothing entered");
}

QString pdfText(const QString& pdf) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.waitForFinished(30'000));
    // Ligatures of the print face (fi, fl) read back as the letters they stand for.
    return QString::fromUtf8(text.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC)
        .simplified();
}

// The results and the cards read back from their PDFs as they were meant; the export is the CSV
// of what was entered.
TEST_F(ScoresWindowTest, PrintsTheResultsAndTheCardsAndExportsTheCsv) {
    type("flights", 0, "410");
    type("flights", 1, "320");
    const QTemporaryDir folder;
    chosenFile = folder.filePath(QStringLiteral("results.pdf"));
    click(QStringLiteral("Print results..."));
    const QString results = pdfText(chosenFile);
    for (const char* expected :
         {"Club cup, 2026-06-13", "PROVISIONAL: 1 group(s) not confirmed",
          "Rank Pilot Team R1 Penalty Total", "- Anna Club A 1000.0* 1000.0*",
          "- Bruno Club A 800.0* 800.0*", "Teams", "Round 1: task A, working time 7:00",
          "1* Anna 4:10 250 1000.0", "Rules", "Rounds dropped: 1 from 5 rounds"}) {
        EXPECT_TRUE(results.contains(QLatin1StringView(expected))) << expected << "\n"
                                                                   << results.toStdString();
    }

    window.showGroup({1, 0});
    chosenFile = folder.filePath(QStringLiteral("cards.pdf"));
    click(QStringLiteral("Print cards..."));
    const QString cards = pdfText(chosenFile);
    EXPECT_EQ(cards.count(QStringLiteral("Score card")), 4) << "two groups of two";
    EXPECT_EQ(cards.count(QStringLiteral("Timekeeper's card")), 4);
    for (const char* expected :
         {"Times Carla, Jr.", "Dário", "Round 2, group 2, task E, working time 10:00",
          "8: target 8: time", "Counted: the pilot's targets reached, at most 3"}) {
        EXPECT_TRUE(cards.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                 << cards.toStdString();
    }

    chosenFile = folder.filePath(QStringLiteral("results.csv"));
    click(QStringLiteral("Export CSV..."));
    QFile csv(chosenFile);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll(),
              resultsCsv(world.timer.scores().contest(), world.timer.scores().results()));
}

// The dropped rounds read back as the rules dialog shows them; what is no list of steps is refused.
TEST(DropSteps, ReadBackAsShownAndRefuseWhatIsNoStep) {
    const std::vector<DropStep> steps{{5, 1}, {9, 2}};
    EXPECT_EQ(dropStepsText(steps), "5:1 9:2");
    EXPECT_EQ(dropStepsFrom(QStringLiteral(" 5:1  9:2 ")), steps);
    EXPECT_EQ(dropStepsFrom(QString()), std::vector<DropStep>{});
    for (const char* bad : {"5", "5:1:2", "0:1", "5:-1", "a:b", "5;1", "100:1"}) {
        EXPECT_FALSE(dropStepsFrom(QString::fromLatin1(bad))) << bad;
    }
}

} // namespace
} // namespace aerolap::testing

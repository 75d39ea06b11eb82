// The results as the pilots' page gets them, from the whole timer's scores: what the page shows
// of each pilot and team, a new version only when that changes, and each version on its way
// through the page's server with the state that names it.
#include "ContestDay.h"
#include "TimedComposition.h"
#include "web/JsonText.h"
#include "web/ResultsFeed.h"
#include "web/ResultsJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTest>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

QJsonObject parsed(const char* json) {
    return QJsonDocument::fromJson(json).object();
}

Card pokerCard(int pilot, int seconds, int target) {
    Card card = cardOf(pilot, {seconds});
    card.flights[0].target = target;
    return card;
}

struct ResultsForThePage : ::testing::Test {
    ResultsForThePage() { world.loadSchedule(kContestDay); }
    QJsonObject shown() {
        return QJsonDocument::fromJson(
                   QByteArray::fromStdString(resultsJson(scores.contest(), scores.results())))
            .object();
    }
    void enter(GroupPlace group, const Card& card) {
        ASSERT_TRUE(scores.enter(group, card).taken) << scores.enter(group, card).refusal;
    }

    TimedComposition world;
    ScoresSession& scores = world.timer.scores();
};

// One round of two dropped, a tie broken by the dropped scores, a penalty, a no-show, a poker
// round's targets, a confirmed group among provisional ones, and the teams.
TEST_F(ResultsForThePage, ShowEachPilotsRoundsAndCardsInTheStandingsOrderAndTheTeams) {
    ContestRules rules;
    rules.minimumRounds = 1;
    rules.droppedRounds = {{2, 1}};
    ASSERT_TRUE(scores.setRules(rules, std::nullopt).taken);
    enter({0, 0}, cardOf(kAnna, {250}));
    enter({0, 0}, cardOf(kBruno, {200}, 100));
    ASSERT_TRUE(scores.confirmGroup({0, 0}).taken);
    enter({0, 1}, cardOf(kCarla, {300}));
    Card noShow = cardOf(kDario, {});
    noShow.mark = CardMark::NoShow;
    enter({0, 1}, noShow);
    enter({1, 0}, pokerCard(kAnna, 60, 60));
    enter({1, 0}, pokerCard(kCarla, 65, 90));

    const QJsonObject results = shown();
    EXPECT_EQ(results["name"], "Club cup");
    EXPECT_EQ(results["provisional"], true);
    EXPECT_EQ(results["minimum_rounds"], 1);
    EXPECT_EQ(results["rounds"], parsed(R"({"r": [{"task": "A", "fly_off": false},
        {"task": "E", "fly_off": false}, {"task": "C", "fly_off": false}]})")["r"]);
    const QJsonArray standings = results["standings"].toArray();
    ASSERT_EQ(standings.size(), 4);
    EXPECT_EQ(standings[0].toObject(), parsed(R"({"name": "Anna", "team": "Club A", "rank": 1,
        "total": "1000.0", "penalty": 0, "valid": true, "disqualified": false, "provisional": true,
        "rounds": [
          {"round": 1, "score": "1000.0", "penalty": 0, "dropped": true, "provisional": false,
           "completed": true,
           "cards": [{"group": 1, "flights": "4:10", "raw": 250, "score": "1000.0", "mark": ""}]},
          {"round": 2, "score": "1000.0", "penalty": 0, "dropped": false, "provisional": true,
           "completed": true,
           "cards": [{"group": 1, "flights": "1:00/1:00", "raw": 60, "score": "1000.0",
                      "mark": ""}]}]})"));
    const auto field = [&standings](qsizetype place, const char* name) -> QJsonValue {
        return standings[place].toObject()[QLatin1StringView(name)];
    };
    EXPECT_EQ(field(1, "name"), "Carla, Jr.") << "tied with Anna on 1000, behind on the dropped";
    EXPECT_EQ(field(1, "rank"), 2);
    EXPECT_EQ(field(1, "rounds").toArray()[1].toObject()["dropped"], true);
    EXPECT_EQ(field(2, "name"), "Bruno");
    EXPECT_EQ(field(2, "total"), "700.0");
    EXPECT_EQ(field(2, "penalty"), 100);
    EXPECT_EQ(field(2, "rounds").toArray()[0].toObject()["score"], "800.0");
    EXPECT_EQ(field(3, "name"), "Dário");
    EXPECT_FALSE(field(3, "rank").isDouble()) << "a no-show completes no round";
    const QJsonObject noShowRound = field(3, "rounds").toArray()[0].toObject();
    EXPECT_EQ(noShowRound["completed"], false);
    EXPECT_EQ(noShowRound["cards"].toArray()[0].toObject()["mark"], "no-show");
    EXPECT_EQ(results["fly_off"], QJsonArray());
    const QJsonArray teams = results["teams"].toArray();
    ASSERT_EQ(teams.size(), 2);
    EXPECT_EQ(teams[0].toObject(), parsed(R"({"rank": 1, "name": "Club A", "total": "1700.0",
        "counted": ["Anna", "Bruno"], "provisional": true})"));
    EXPECT_EQ(teams[1].toObject()["name"], "Club B");
}

// Nothing the pilots need not see yet costs the phones a fetch: a card typed into a group still
// being entered, the same card again, the same schedule opened again. The confirmation does, and
// so does a correction to a confirmed group, which makes it provisional again.
TEST_F(ResultsForThePage, FeedMakesANewVersionOnlyWhenWhatThePilotsShouldSeeChanges) {
    ResultsFeed feed(scores);
    int raised = 0;
    feed.changed.connect([&raised] { ++raised; });
    EXPECT_EQ(feed.version(), 1);
    enter({0, 0}, cardOf(kAnna, {250}));
    enter({0, 0}, cardOf(kAnna, {250}));
    EXPECT_EQ(feed.version(), 1);
    ASSERT_TRUE(scores.confirmGroup({0, 0}).taken);
    world.loadSchedule(kContestDay);
    EXPECT_EQ(feed.version(), 2);
    const QJsonObject served = QJsonDocument::fromJson(feed.json()).object();
    EXPECT_EQ(served["version"], 2);
    QJsonObject unversioned = served;
    unversioned.remove(QStringLiteral("version"));
    EXPECT_EQ(unversioned, shown());
    enter({0, 0}, cardOf(kAnna, {240}));
    EXPECT_EQ(feed.version(), 3);
    enter({0, 0}, cardOf(kAnna, {230}));
    EXPECT_EQ(feed.version(), 3);
    EXPECT_EQ(raised, 2);
}

TEST(JsonText, TextWithQuotesBackslashesAndControlCharactersReadsBackAsWritten) {
    const std::string name = "Carla \"CJ\" \\ Jr.\n\t\x01 Dário";
    JsonText json;
    json.openObject().name("name").value(name).name("list").openArray().value(1).value(true);
    json.closeArray().closeObject();
    const QJsonObject read =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.text())).object();
    EXPECT_EQ(read["name"].toString().toStdString(), name) << json.text();
    EXPECT_EQ(read["list"], (QJsonArray{1, true}));
}

/// The whole program's page server on a loopback port, fed as the program feeds it.
struct ResultsServed : ::testing::Test {
    QJsonObject fetched(const char* path) {
        std::unique_ptr<QNetworkReply> reply(network.get(
            QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path)))));
        EXPECT_TRUE(QTest::qWaitFor([&reply] { return reply->isFinished(); }, 3000)) << path;
        return QJsonDocument::fromJson(reply->readAll()).object();
    }
    /// The results' version the state names, once the server has the results it names.
    int versionOnceServed(int atLeast) {
        int named = 0;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                named = fetched("/api/state")["results"].toInt();
                return named >= atLeast;
            },
            3000));
        EXPECT_EQ(fetched("/api/results")["version"].toInt(), named)
            << "the results go ahead of the state that names them";
        return named;
    }

    PilotsDisplayThread server;
    quint16 port = server.start(QHostAddress::LocalHost, 0).first.value_or(0);
    TimedField world{&server};
    QNetworkAccessManager network;
};

TEST_F(ResultsServed, AConfirmedGroupReachesTheServerWithTheStateThatNamesIt) {
    world.loadSchedule(kContestDay);
    const int opened = versionOnceServed(1);
    EXPECT_EQ(fetched("/api/results")["standings"].toArray().size(), 4);
    ScoresSession& scores = world.timer.scores();
    ASSERT_TRUE(scores.enter({0, 0}, cardOf(kBruno, {200})).taken);
    ASSERT_TRUE(scores.confirmGroup({0, 0}).taken);
    EXPECT_EQ(versionOnceServed(opened + 1), opened + 1);
    const QJsonObject results = fetched("/api/results");
    EXPECT_EQ(results["provisional"], false);
    EXPECT_EQ(results["standings"].toArray()[0].toObject()["name"], "Bruno");
}

} // namespace
} // namespace aerolap::testing

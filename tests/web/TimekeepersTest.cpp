// The timekeepers' phones on a live loopback server, with the whole program wired in virtual time:
// pilots claimed in the group in hand, cards taken exactly once and answered only once saved,
// what a card may carry, and what a timekeeper's phone may not do.
#include "ContestDay.h"
#include "PhonesTest.h"
#include "day_log/DayLog.h"
#include "web/PhoneRoutes.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <fstream>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

struct Flown {
    int seconds;
    std::optional<int> launchedAt;
};

class Timekeepers : public PhonesTest {
protected:
    Timekeepers() {
        world.loadSchedule(kContestDay);
        world.runSoon();
    }

    static QByteArray sign(const Device& device, const QByteArray& text) {
        return hmacSha256(device.secret, text).toHex();
    }
    Answer claim(const Device& device, const QString& pilot, int round = 1, int group = 1) {
        const QByteArray text = "aerolap-claim-1\n" + QByteArray::fromStdString(device.id) + '\n' +
                                QByteArray::number(round) + '\n' + QByteArray::number(group) +
                                '\n' + pilot.toUtf8();
        return post(QStringLiteral("/timekeeper/claim"),
                    {{"device", QString::fromStdString(device.id)},
                     {"round", round},
                     {"group", group},
                     {"pilot", pilot},
                     {"signature", QString::fromLatin1(sign(device, text))}});
    }
    /// The card as the page signs it; `made` stands for the moment the pilot signed.
    QJsonObject card(const Device& device, const QString& id, qint64 made, const QString& pilot,
                     const std::vector<Flown>& flights, int round = 1, int group = 1) {
        QJsonArray listed;
        QByteArray times;
        for (const Flown& flight : flights) {
            QJsonObject each{{"seconds", flight.seconds}};
            times += (times.isEmpty() ? "" : " ") + QByteArray::number(flight.seconds);
            if (flight.launchedAt) {
                each.insert("launched_at", *flight.launchedAt);
                times += '@' + QByteArray::number(*flight.launchedAt);
            }
            listed.append(each);
        }
        const QByteArray text = "aerolap-card-1\n" + QByteArray::fromStdString(device.id) + '\n' +
                                id.toLatin1() + '\n' + QByteArray::number(made) + '\n' +
                                QByteArray::number(round) + '\n' + QByteArray::number(group) +
                                '\n' + pilot.toUtf8() + '\n' + times + "\nA.B.";
        return {{"device", QString::fromStdString(device.id)},
                {"card", id},
                {"made", QString::number(made)},
                {"round", round},
                {"group", group},
                {"pilot", pilot},
                {"flights", listed},
                {"signed_by", "A.B."},
                {"signature", QString::fromLatin1(sign(device, text))}};
    }
    Answer hand(const QJsonObject& body) {
        const Answer answer = post(QStringLiteral("/timekeeper/card"), body);
        world.runSoon();
        return answer;
    }
    std::string flightsOf(const std::string& pilot, int round = 0, int group = 0) {
        const GroupSheet* sheet = world.timer.scores().sheet().find(round, group);
        return sheet == nullptr || !sheet->cards.contains(pilot)
                   ? "none"
                   : std::to_string(sheet->cards.at(pilot).flights.size()) + " flights, first " +
                         std::to_string(sheet->cards.at(pilot).flights.front().seconds);
    }
    int cardLines() {
        world.settle();
        std::ifstream log(
            DayLog::fileOf(world.stateFolder.filePath("log").toStdString(), world.time.wall.now()));
        int count = 0;
        for (std::string line; std::getline(log, line);) {
            count += line.find("\"what\":\"card\"") != std::string::npos ? 1 : 0;
        }
        return count;
    }
    QString savedFile() {
        QFile file(QString::fromStdString(world.timer.scores().file().string()));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    static constexpr char kFirst[] = "0123456789abcdef0123456789abcdef";
    static constexpr char kSecond[] = "fedcba9876543210fedcba9876543210";
};

TEST_F(Timekeepers, EachPilotIsTimedByOnePhoneInTheGroupInHand) {
    const Device first = paired(DeviceRole::Timekeeper, "Timekeeper 1");
    const Device second = paired(DeviceRole::Timekeeper, "Timekeeper 2");
    EXPECT_EQ(claim(first, "Anna").status, 200);
    const Answer taken = claim(second, "Anna");
    EXPECT_EQ(taken.status, 409);
    EXPECT_EQ(taken.json["error"].toString(), "Anna is timed by \"Timekeeper 1\".");
    EXPECT_EQ(claim(second, "Carla, Jr.").status, 422) << "in the other group";
    EXPECT_EQ(claim(second, "Bruno", 1, 2).status, 422) << "not the group in hand";
    EXPECT_EQ(claim(second, "Bruno").status, 200);
    const QJsonObject group = request(QStringLiteral("/timekeeper/group")).json;
    EXPECT_EQ(group["task"].toString(), "A");
    EXPECT_EQ(group["rule"].toString(), "The last flight counts, each at most 5:00.");
    EXPECT_EQ(group["working"].toInt(), 420);
    EXPECT_EQ(group["pilots"].toArray()[0].toObject()["timekeeper"].toString(), "Timekeeper 1");
    // Taking another pilot frees the first.
    EXPECT_EQ(claim(first, "Bruno").status, 409);
    access.revoke(second.id);
    EXPECT_EQ(claim(first, "Bruno").status, 200) << "a revoked phone's claim is free";
    EXPECT_EQ(claim(second, "Anna").status, 403);
}

TEST_F(Timekeepers, ACardIsTakenOnceSavedAndExactlyOnce) {
    const Device phone = paired(DeviceRole::Timekeeper, "Timekeeper 1");
    ASSERT_EQ(claim(phone, "Anna").status, 200);
    const QJsonObject first = card(phone, kFirst, 1000, "Anna", {{60, 5}, {95, 80}});
    const Answer taken = hand(first);
    EXPECT_EQ(taken.status, 200) << taken.json["error"].toString().toStdString();
    EXPECT_EQ(taken.json["taken"].toString(), "Anna's card for round 1, group 1 is on the laptop.");
    EXPECT_TRUE(savedFile().contains(kFirst)) << "answered only once the file holds it";
    EXPECT_EQ(flightsOf("Anna"), "2 flights, first 60");
    const std::uint64_t version = world.timer.scores().version();

    EXPECT_EQ(hand(first).status, 200) << "a copy sent again";
    EXPECT_EQ(world.timer.scores().version(), version);
    const QJsonObject newer = card(phone, kSecond, 2000, "Anna", {{70, 5}});
    EXPECT_EQ(hand(newer).status, 200);
    EXPECT_EQ(flightsOf("Anna"), "1 flights, first 70");
    EXPECT_EQ(hand(first).json["taken"].toString(), "A newer card of this pilot is on the laptop.")
        << "an older version that arrives late";
    EXPECT_EQ(flightsOf("Anna"), "1 flights, first 70");
    EXPECT_EQ(cardLines(), 2);
    world.settle();
    EXPECT_NE(savedFile().indexOf("Timekeeper 1"), -1);

    ASSERT_TRUE(world.timer.scores().confirmGroup({0, 0}).taken);
    EXPECT_EQ(hand(newer).status, 200) << "the same card again after the confirmation";
    const Answer changed = hand(card(phone, kFirst, 3000, "Anna", {{80, 5}}));
    EXPECT_EQ(changed.status, 409);
    EXPECT_EQ(changed.json["error"].toString(),
              "Group 1 of round 1 is already confirmed: ask the director to change the card at "
              "the laptop.");
    EXPECT_EQ(flightsOf("Anna"), "1 flights, first 70");
    EXPECT_EQ(cardLines(), 2);
}

TEST_F(Timekeepers, ACardThatCannotBeSavedIsNotAcknowledged) {
    QTemporaryDir folder;
    QFile blocker(folder.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    world.timer.scores().keepScoresIn(folder.filePath("blocker/day.scores.json").toStdString());
    const Device phone = paired(DeviceRole::Timekeeper, "Timekeeper 1");
    const QJsonObject sent = card(phone, kFirst, 1000, "Bruno", {{60, {}}});
    for (int attempt = 0; attempt < 2; ++attempt) {
        const Answer answer = hand(sent);
        EXPECT_EQ(answer.status, 503) << attempt;
        EXPECT_EQ(answer.json["error"].toString(), "The laptop cannot save the scores now.");
    }
    world.timer.scores().keepScoresIn(folder.filePath("day.scores.json").toStdString());
    EXPECT_EQ(hand(card(phone, kFirst, 1000, "Bruno", {{60, {}}})).status, 200);
}

struct BadCard {
    const char* name;
    std::function<void(QJsonObject&)> spoil;
    int status;
    const char* error;
    friend void PrintTo(const BadCard& row, std::ostream* out) { *out << row.name; }
};

class BadCards : public Timekeepers, public ::testing::WithParamInterface<BadCard> {};

TEST_P(BadCards, AreRefusedWithTheReasonAndChangeNothing) {
    const Device phone = paired(DeviceRole::Timekeeper, "Timekeeper 1");
    QJsonObject body = card(phone, kFirst, 1000, "Anna", {{60, 5}});
    GetParam().spoil(body);
    const Answer answer = hand(body);
    EXPECT_EQ(answer.status, GetParam().status);
    EXPECT_EQ(answer.json["error"].toString().toStdString(), GetParam().error);
    EXPECT_EQ(world.timer.scores().sheet().find(0, 0), nullptr);
}

void flights(QJsonObject& body, std::vector<Flown> flown) {
    QJsonArray listed;
    for (const Flown& each : flown) {
        listed.append(QJsonObject{{"seconds", each.seconds}});
    }
    body["flights"] = listed;
}

INSTANTIATE_TEST_SUITE_P(
    , BadCards,
    ::testing::Values(BadCard{"NoPilotsSignature", [](QJsonObject& b) { b["signed_by"] = ""; }, 400,
                              "the pilot has not signed the card"},
                      BadCard{"ShortId", [](QJsonObject& b) { b["card"] = "abc"; }, 400,
                              "no card id (32 hex digits)"},
                      BadCard{"FractionOfASecond",
                              [](QJsonObject& b) {
                                  b["flights"] = QJsonArray{QJsonObject{{"seconds", 1.5}}};
                              },
                              400, "a flight without its whole seconds"},
                      BadCard{"ChangedAfterSigning",
                              [](QJsonObject& b) {
                                  flights(b, {{300, {}}});
                              },
                              403, "The signature is wrong."},
                      BadCard{"UnknownDevice", [](QJsonObject& b) { b["device"] = "stranger"; },
                              403, "This device is not paired (or was revoked): pair it again."}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Timekeepers, WhatACardCarriesIsCheckedAgainstTheRoundAndTheGroup) {
    const Device phone = paired(DeviceRole::Timekeeper, "Timekeeper 1");
    const auto refusal = [this](const QJsonObject& body) {
        const Answer answer = hand(body);
        return std::to_string(answer.status) + " " + answer.json["error"].toString().toStdString();
    };
    EXPECT_EQ(refusal(card(phone, kFirst, 1, "Carla, Jr.", {{60, {}}})),
              "422 Carla, Jr. does not fly in group 1 of round 1.");
    EXPECT_EQ(refusal(card(phone, kFirst, 1, "Anna", {{421, {}}})),
              "422 Flight 1 (7:01) is longer than the working time of 7:00.");
    EXPECT_EQ(refusal(card(phone, kFirst, 1, "Anna", {{60, 421}})),
              "422 Flight 1 ends past the working time by more than it lasted.");
    EXPECT_EQ(refusal(card(phone, kFirst, 1, "Anna", {{60, {}}, {60, {}}, {60, {}}, {60, {}}}, 3)),
              "422 Task C allows at most 3 flight(s).");
    EXPECT_EQ(refusal(card(phone, kFirst, 1, "Anna", {{60, {}}}, 9)),
              "422 The schedule has no group 1 in round 9.");
    const QByteArray huge =
        QJsonDocument(card(phone, kSecond, 1, QString(PhoneRoutes::kLongestBody, 'x'), {}))
            .toJson();
    EXPECT_EQ(request(QStringLiteral("/timekeeper/card"), &huge).status, 413);
    EXPECT_EQ(world.timer.scores().sheet(), ScoreSheet{});
}

TEST_F(Timekeepers, ATimekeepersPhoneCannotDriveTheTimer) {
    const Device phone = paired(DeviceRole::Timekeeper, "Timekeeper 1");
    const RemoteCommand start{phone.id, 1, RemoteAction::Start};
    const Answer refused =
        post(QStringLiteral("/remote/command"),
             {{"device", QString::fromStdString(phone.id)},
              {"sequence", "1"},
              {"command", "start"},
              {"signature", QString::fromLatin1(sign(phone, signedText(start)))}});
    EXPECT_EQ(refused.status, 403);
    EXPECT_EQ(refused.json["error"].toString(),
              "This device is paired as a timekeeper's: it can only hand in cards.");
    EXPECT_FALSE(cycleRuns());
    access.closePairing(DeviceRole::Timekeeper);
    EXPECT_EQ(pair(QStringLiteral("123456"), "x", DeviceRole::Timekeeper).json["error"].toString(),
              "Pairing is closed: open \"Timekeepers...\" in the Scores window on the laptop to "
              "see the code.");
}

} // namespace
} // namespace aerolap::testing

// The director's remote on a live loopback server, driving the whole program, as it is wired, in
// virtual time: pairing, the wrong codes' waits, revoking, and the commands that must not get
// through.
#include "PhonesTest.h"
#include "web/PilotsDisplayServer.h"

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

class Remote : public PhonesTest {
protected:
    Answer send(const Device& device, std::uint64_t sequence, RemoteAction action,
                const QByteArray& key = {}) {
        const RemoteCommand command{device.id, sequence, action};
        const QByteArray signature =
            hmacSha256(key.isEmpty() ? device.secret : key, signedText(command)).toHex();
        return post(QStringLiteral("/remote/command"),
                    {{"device", QString::fromStdString(device.id)},
                     {"sequence", QString::number(sequence)},
                     {"command", QString::fromStdString(std::string(actionName(action)))},
                     {"signature", QString::fromLatin1(signature)}});
    }
};

TEST_F(Remote, APairedPhoneDrivesTheWindowAndNoReplayedReorderedOrForgedCommandGetsThrough) {
    const Device phone = paired();
    EXPECT_EQ(phone.secret.size(), 32) << "256 random bits";
    EXPECT_NE(world.noticesText().find("\"Director's phone\" is paired"), std::string::npos);

    const Answer started = send(phone, 10, RemoteAction::Start);
    EXPECT_EQ(started.status, 200);
    EXPECT_EQ(started.json["done"].toString(), "started the cycle.");
    EXPECT_TRUE(cycleRuns());
    world.run(1500ms);
    const std::string runningTime = world.form.Label2.caption();

    EXPECT_EQ(send(phone, 10, RemoteAction::Stop).json["error"].toString(),
              "The command came out of order or twice.")
        << "replayed";
    EXPECT_EQ(send(phone, 9, RemoteAction::Stop).status, 403) << "reordered";
    EXPECT_EQ(send(phone, 11, RemoteAction::Stop, QByteArray(32, 'x')).json["error"].toString(),
              "The signature is wrong.");
    EXPECT_TRUE(cycleRuns());
    EXPECT_EQ(world.form.Label2.caption(), runningTime);

    EXPECT_EQ(send(phone, 11, RemoteAction::Stop).status, 200);
    EXPECT_FALSE(cycleRuns());
    EXPECT_EQ(send(phone, 12, RemoteAction::Stop).json["error"].toString(),
              "that button is not on the window now.");
    EXPECT_NE(world.noticesText().find("(\"Director's phone\"): stopped the cycle."),
              std::string::npos)
        << world.noticesText();
}

TEST_F(Remote, WrongCodesWaitLongerAndTheFifthGivesAFreshCode) {
    EXPECT_EQ(pair(QStringLiteral("123456")).status, 403) << "closed until the window shows it";
    access.openPairing(DeviceRole::Director);
    const QString code = QString::fromStdString(*access.pairingCode(DeviceRole::Director));
    const QString wrong = code == "000000" ? "000001" : "000000";
    for (const int wait : {1, 2, 4, 8}) {
        const Answer refused = pair(wrong);
        EXPECT_EQ(refused.status, 403);
        EXPECT_EQ(refused.json["retry_after"].toInt(), wait);
        EXPECT_EQ(pair(code).json["error"].toString(), "Wait before the next try.");
        world.run(std::chrono::seconds(wait));
    }
    const Answer fifth = pair(wrong);
    EXPECT_EQ(fifth.json["error"].toString(), "Wrong code. The laptop now shows a new code.");
    EXPECT_EQ(fifth.json["retry_after"].toInt(), 16);
    EXPECT_NE(world.noticesText().find("5 wrong pairing codes"), std::string::npos);
    world.run(16s);
    const QString fresh = QString::fromStdString(*access.pairingCode(DeviceRole::Director));
    EXPECT_EQ(pair(fresh).status, 200);
    EXPECT_EQ(access.devices(DeviceRole::Director).size(), 1u);
}

TEST_F(Remote, RevokedAndUnknownDevicesAreRefusedAndChangeNothing) {
    const Device phone = paired();
    const Device tablet = paired();
    access.revoke(phone.id);
    const Answer revoked = send(phone, 1, RemoteAction::Start);
    EXPECT_EQ(revoked.status, 403);
    EXPECT_EQ(revoked.json["error"].toString(),
              "This device is not paired (or was revoked): pair it again.");
    EXPECT_EQ(send({"stranger", QByteArray(32, 's')}, 1, RemoteAction::Start).status, 403);
    // What a page of another site can post without asking first is not taken at all.
    for (const QByteArray type : {"text/plain", "application/x-www-form-urlencoded"}) {
        const QByteArray body = "command=start";
        EXPECT_EQ(request(QStringLiteral("/remote/command"), &body, type).status, 415)
            << type.data();
        EXPECT_EQ(request(QStringLiteral("/remote/pair"), &body, type).status, 415) << type.data();
    }
    EXPECT_EQ(post(QStringLiteral("/remote/command"), {{"command", "start"}}).status, 400);
    EXPECT_FALSE(cycleRuns());
    EXPECT_EQ(send(tablet, 1, RemoteAction::Start).status, 200);
}

TEST_F(Remote, ACommandThatArrivesWhileADialogWaitsIsRefusedThere) {
    const Device phone = paired();
    Answer duringTheQuestion;
    // The box's own event loop runs while it waits, and with it the server.
    world.messageBoxes.beforeAnswer = [&] {
        duringTheQuestion = send(phone, 1, RemoteAction::Start);
    };
    boxes.show({"Vuoi uscire da programma?", "", MessageIcon::None, MessageButtons::YesNo});
    EXPECT_EQ(duringTheQuestion.status, 409);
    EXPECT_EQ(duringTheQuestion.json["error"].toString(),
              "a dialog is open on the laptop; answer it there first.");
    EXPECT_FALSE(cycleRuns());
    EXPECT_EQ(send(phone, 2, RemoteAction::Start).status, 200);
}

TEST_F(Remote, TheScheduleMovesOnlyWhileNoCycleRuns) {
    const Device phone = paired();
    EXPECT_EQ(send(phone, 1, RemoteAction::Skip).json["error"].toString(),
              "no schedule is loaded.");
    ScheduleRunner& runner = world.timer.scheduleRunner();
    ASSERT_TRUE(runner.load(Schedule{
        "Day", "", 30, 0, 0, 30, false, {{"A", "", 420, 3, 1, {}, {}, {}, {}, {}}}, {}, {}}));
    EXPECT_EQ(send(phone, 2, RemoteAction::Start).status, 200);
    const Answer refused = send(phone, 3, RemoteAction::Skip);
    EXPECT_EQ(refused.status, 409);
    EXPECT_EQ(refused.json["error"].toString(),
              "the schedule moves only while no cycle runs, within its rounds.");
    EXPECT_EQ(runner.position(), SchedulePosition{});
    EXPECT_EQ(send(phone, 4, RemoteAction::Stop).status, 200);
    EXPECT_EQ(send(phone, 5, RemoteAction::Skip).status, 200);
    EXPECT_EQ(runner.position().group, 1);
}

TEST_F(Remote, ItsPagesChangeNothingAndAreNeitherCachedNorOpenToOtherSources) {
    const Answer page = request(QStringLiteral("/remote"));
    EXPECT_EQ(page.status, 200);
    EXPECT_EQ(page.reply->rawHeader("Cache-Control"), "no-store");
    const QByteArray policy = page.reply->rawHeader("Content-Security-Policy");
    EXPECT_TRUE(policy.startsWith("default-src 'none'; script-src 'self'; style-src 'sha256-"))
        << policy.data();
    EXPECT_EQ(request(QStringLiteral("/remote/remote.js")).status, 200);
    access.openPairing(DeviceRole::Director);
    const std::string code = *access.pairingCode(DeviceRole::Director);
    for (const char* path : {"/remote/pair", "/remote/command"}) {
        EXPECT_EQ(request(QString::fromLatin1(path)).status, 405) << path;
    }
    const QJsonObject director = request(QStringLiteral("/remote/state")).json;
    EXPECT_EQ(director["task"].toString(), "TO 10 MINUTI");
    EXPECT_EQ(director["preparation"].toString(), "00.00.30");
    EXPECT_EQ(*access.pairingCode(DeviceRole::Director), code);
    EXPECT_TRUE(access.devices(DeviceRole::Director).empty());

    PilotsDisplayServer withoutRemote;
    port = withoutRemote.start(QHostAddress::LocalHost, 0).value_or(0);
    EXPECT_EQ(request(QStringLiteral("/remote")).status, 404);
}

} // namespace
} // namespace aerolap::testing

// The phones' access without its transport: who may pair in which role, and which commands and
// timekeepers' messages get through.
#include "remote/RemoteAccess.h"

#include "VirtualTime.h"
#include "remote/CommandSignature.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;
using Verdict = PairingGate::Verdict;

struct Rfc4231Case {
    std::string name;
    QByteArray key, data, hmac;
    friend void PrintTo(const Rfc4231Case& row, std::ostream* out) { *out << row.name; }
};

std::vector<Rfc4231Case> rfc4231Cases() {
    QFile file(QStringLiteral(":/tests/rfc4231.json"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<Rfc4231Case> cases;
    for (const QJsonValue& each : QJsonDocument::fromJson(file.readAll()).array()) {
        const QJsonObject row = each.toObject();
        cases.push_back({row["name"].toString().toStdString(),
                         QByteArray::fromHex(row["key"].toString().toLatin1()),
                         QByteArray::fromHex(row["data"].toString().toLatin1()),
                         row["hmac"].toString().toLatin1()});
    }
    return cases;
}

class Rfc4231 : public ::testing::TestWithParam<Rfc4231Case> {};

TEST_P(Rfc4231, HmacSha256MatchesTheVector) {
    EXPECT_EQ(hmacSha256(GetParam().key, GetParam().data).toHex(), GetParam().hmac);
}
INSTANTIATE_TEST_SUITE_P(, Rfc4231, ::testing::ValuesIn(rfc4231Cases()),
                         [](const auto& row) { return row.param.name; });

TEST(CommandSignature, CoversEveryFieldInTheTextThePageSigns) {
    const RemoteCommand jump{"d1", 17, RemoteAction::Jump, 3, 2};
    EXPECT_EQ(signedText(jump), "aerolap-remote-1\nd1\n17\njump\n3 2");
    EXPECT_EQ(signedText({"d1", 17, RemoteAction::Stop}), "aerolap-remote-1\nd1\n17\nstop\n");
    const QByteArray secret(32, 'k');
    const QByteArray signature = hmacSha256(secret, signedText(jump)).toHex();
    EXPECT_TRUE(signatureMatches(signedText(jump), signature, secret));
    for (RemoteCommand changed : {RemoteCommand{"d2", 17, RemoteAction::Jump, 3, 2},
                                  RemoteCommand{"d1", 18, RemoteAction::Jump, 3, 2},
                                  RemoteCommand{"d1", 17, RemoteAction::Jump, 3, 1}}) {
        EXPECT_FALSE(signatureMatches(signedText(changed), signature, secret))
            << signedText(changed).data();
    }
    QByteArray lastByteOff = signature;
    lastByteOff.back() = lastByteOff.back() == '0' ? '1' : '0';
    EXPECT_FALSE(signatureMatches(signedText(jump), lastByteOff, secret));
    EXPECT_FALSE(signatureMatches(signedText(jump), signature.left(63), secret));
    EXPECT_FALSE(signatureMatches(signedText(jump), signature, QByteArray(32, 'K')));
}

struct Body {
    const char* name;
    const char* json;
    const char* error; // empty when the body is a command
    friend void PrintTo(const Body& row, std::ostream* out) { *out << row.name; }
};
class Bodies : public ::testing::TestWithParam<Body> {};

TEST_P(Bodies, ParseIntoACommandOrSayWhyNot) {
    const CommandParse parsed = parseSignedCommand(GetParam().json);
    EXPECT_EQ(parsed.error, GetParam().error);
    EXPECT_EQ(parsed.signedCommand.has_value(), parsed.error.empty());
}
const Body kBodies[] = {
    {"Start", R"({"device":"d","sequence":"5","command":"start","signature":"ab"})", ""},
    {"Jump", R"({"device":"d","sequence":"5","command":"jump","round":2,"group":1})", ""},
    {"HugeSequence", R"({"device":"d","sequence":"18446744073709551615","command":"stop"})", ""},
    {"NotJson", "start", "not a command"},
    {"UnknownCommand", R"({"device":"d","sequence":"5","command":"exit"})", "unknown command"},
    {"NumberSequence", R"({"device":"d","sequence":5,"command":"stop"})", "no sequence number"},
    {"NegativeSequence", R"({"device":"d","sequence":"-1","command":"stop"})",
     "no sequence number"},
    {"PaddedSequence", R"({"device":"d","sequence":"05","command":"stop"})", "no sequence number"},
    {"JumpWithoutGroup", R"({"device":"d","sequence":"5","command":"jump","round":2})",
     "a jump needs a round and a group"},
    {"JumpToRoundZero", R"({"device":"d","sequence":"5","command":"jump","round":0,"group":1})",
     "a jump needs a round and a group"},
    {"JumpToHalfARound", R"({"device":"d","sequence":"5","command":"jump","round":1.5,"group":1})",
     "a jump needs a round and a group"},
};
INSTANTIATE_TEST_SUITE_P(, Bodies, ::testing::ValuesIn(kBodies),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(PairingGate, WrongCodesHoldBackTheirOwnAddressAndFiveReplaceTheCode) {
    VirtualTime time;
    PairingGate gate(time);
    EXPECT_EQ(gate.attempt("000000", "a").verdict, Verdict::Closed);
    gate.open();
    ASSERT_EQ(gate.code().size(), 6u);
    const auto wrongFor = [&gate] { return gate.code() == "999999" ? "000000" : "999999"; };
    for (const auto wait : {1s, 2s, 4s, 8s}) {
        const auto outcome = gate.attempt(wrongFor(), "hostile");
        EXPECT_EQ(outcome.verdict, Verdict::Wrong);
        EXPECT_EQ(outcome.retryAfter, wait);
        EXPECT_FALSE(outcome.codeReplaced);
        time.advance(wait - 1ms);
        // Even the right code is not heard from that address before the wait is over.
        EXPECT_EQ(gate.attempt(gate.code(), "hostile").verdict, Verdict::Wait);
        time.advance(1ms);
    }
    const std::string used = gate.code();
    const auto fifth = gate.attempt(wrongFor(), "hostile");
    EXPECT_TRUE(fifth.codeReplaced);
    EXPECT_EQ(fifth.retryAfter, 16s);
    EXPECT_NE(gate.code(), used) << "a fresh code after five wrong ones";
    EXPECT_EQ(gate.attempt(used, "timekeeper").verdict,
              gate.code() == used ? Verdict::Accepted : Verdict::Wrong);
    time.advance(1s);
    EXPECT_EQ(gate.attempt(gate.code(), "other timekeeper").verdict, Verdict::Accepted)
        << "another address is never held back";
    const std::string code = gate.code();
    EXPECT_EQ(gate.attempt(code, "third").verdict, Verdict::Accepted);
    EXPECT_EQ(gate.attempt(code, "fourth").verdict,
              gate.code() == code ? Verdict::Accepted : Verdict::Wrong)
        << "a code pairs one device";
    for (int count = 7; count <= 12; ++count) {
        time.advance(PairingGate::kLongestWait);
        EXPECT_LE(gate.attempt(wrongFor(), "hostile").retryAfter, PairingGate::kLongestWait);
    }
    gate.close();
    EXPECT_EQ(gate.attempt(gate.code(), "a").verdict, Verdict::Closed);
}

TEST(PairingGate, ManyAddressesNeitherGrowWithoutBoundNorOutlastTheCodesCount) {
    VirtualTime time;
    PairingGate gate(time);
    gate.open();
    int replaced = 0;
    for (std::size_t address = 0; address < 3 * PairingGate::kAddressesKept; ++address) {
        const std::string wrong = gate.code() == "999999" ? "000000" : "999999";
        replaced += gate.attempt(wrong, std::to_string(address)).codeReplaced ? 1 : 0;
    }
    EXPECT_EQ(replaced,
              static_cast<int>(3 * PairingGate::kAddressesKept) / PairingGate::kWrongCodesPerCode);
    EXPECT_EQ(gate.attempt(gate.code(), "latecomer").verdict, Verdict::Accepted);
}

/// A state folder of its own, the notices told, and a wall clock that can move to the next day.
struct Remote : ::testing::Test {
    /// The remote as a new start finds it, once all written before is on disk.
    RemoteAccess access() {
        files.flush(FileWriter::kPatience);
        return RemoteAccess(time, wall, notices, folder.path().toStdString(), files);
    }
    PairedDevice paired(RemoteAccess& remote, std::string_view name = "Phone",
                        DeviceRole role = DeviceRole::Director) {
        remote.openPairing(role);
        return remote.pair(role, *remote.pairingCode(role), name, "phone").device.value();
    }
    static SignedCommand signedBy(const PairedDevice& device, std::uint64_t sequence,
                                  RemoteAction action = RemoteAction::Start) {
        const RemoteCommand command{device.id, sequence, action};
        return {command, hmacSha256(device.secret, signedText(command)).toHex()};
    }

    struct MovableWall final : WallClock {
        explicit MovableWall(const VirtualTime& time) : virtualWall(time) {}
        TimePoint now() const override { return virtualWall.now() + days; }
        VirtualTime::Wall virtualWall;
        std::chrono::days days{0};
    };

    VirtualTime time;
    MovableWall wall{time};
    std::ostringstream lines;
    NoticeBoard notices{wall, lines};
    QTemporaryDir folder;
    FileWriter files{notices};
};

TEST_F(Remote, PairingGivesALongRandomSecretAndIsAnnouncedAndKeptForTheDay) {
    auto remote = access();
    constexpr auto kDirector = DeviceRole::Director;
    EXPECT_FALSE(remote.pair(kDirector, "123456", "Phone", "a").device)
        << "closed until the window shows it";
    remote.openPairing(kDirector);
    EXPECT_EQ(remote.pair(kDirector, *remote.pairingCode(kDirector), " \t\n", "a").refusal,
              "Type a name for this device.");
    const std::string code = *remote.pairingCode(kDirector);
    const auto first = remote.pair(kDirector, code, "Director\x07's  phone", "a");
    ASSERT_TRUE(first.device) << first.refusal;
    EXPECT_EQ(first.device->name, "Director's phone");
    EXPECT_EQ(first.device->secret.size(), 32);
    EXPECT_NE(*remote.pairingCode(kDirector), code);
    const auto second =
        remote.pair(kDirector, *remote.pairingCode(kDirector), std::string(60, 'x'), "b");
    ASSERT_TRUE(second.device);
    EXPECT_EQ(second.device->name.size(), 40u);
    EXPECT_NE(first.device->secret, second.device->secret);
    EXPECT_NE(first.device->id, second.device->id);
    EXPECT_NE(lines.str().find("\"Director's phone\" is paired"), std::string::npos);

    EXPECT_EQ(access().devices(kDirector), remote.devices(kDirector)) << "kept in the state folder";
    wall.days = std::chrono::days(1);
    EXPECT_TRUE(access().devices(kDirector).empty());
    EXPECT_NE(lines.str().find("are forgotten"), std::string::npos) << lines.str();
}

TEST_F(Remote, EachRolePairsWithItsOwnCodeAndAStrangersWrongCodesHoldBackOnlyThem) {
    auto remote = access();
    constexpr auto kTimekeeper = DeviceRole::Timekeeper;
    remote.openPairing(kTimekeeper);
    EXPECT_FALSE(remote.pairingCode(DeviceRole::Director)) << "the remote's pairing stays closed";
    const std::string code = *remote.pairingCode(kTimekeeper);
    EXPECT_NE(remote.pair(DeviceRole::Director, code, "Phone", "a").refusal.find("closed"),
              std::string::npos);
    const std::string wrong = code == "000000" ? "000001" : "000000";
    const auto refused = remote.pair(kTimekeeper, wrong, "Stranger", "stranger");
    EXPECT_EQ(refused.refusal, "Wrong code.");
    EXPECT_EQ(refused.retryAfter, 1s);
    EXPECT_EQ(remote.pair(kTimekeeper, code, "Stranger", "stranger").refusal,
              "Wait before the next try.");
    const auto timekeeper = remote.pair(kTimekeeper, code, "Timekeeper 1", "timekeeper");
    ASSERT_TRUE(timekeeper.device) << timekeeper.refusal;
    EXPECT_EQ(timekeeper.device->role, kTimekeeper);
    EXPECT_EQ(remote.devices(kTimekeeper).size(), 1u);
    EXPECT_TRUE(remote.devices(DeviceRole::Director).empty());
    EXPECT_EQ(access().devices(kTimekeeper).front().role, kTimekeeper) << "the role is kept";
    EXPECT_NE(lines.str().find("Timekeepers: \"Timekeeper 1\" is paired"), std::string::npos);
}

TEST_F(Remote, ATimekeepersPhoneHandsInSignedMessagesAndNothingElse) {
    auto remote = access();
    const PairedDevice director = paired(remote, "Director");
    const PairedDevice timekeeper = paired(remote, "Timekeeper", DeviceRole::Timekeeper);
    EXPECT_EQ(remote.check(signedBy(timekeeper, 1)).refusal,
              "This device is paired as a timekeeper's: it can only hand in cards.");
    const QByteArray text = "aerolap-card-1\nwhatever the card says";
    const auto sign = [&text](const PairedDevice& device) {
        return hmacSha256(device.secret, text).toHex();
    };
    EXPECT_EQ(remote.checkTimekeeper(timekeeper.id, text, sign(timekeeper)).deviceName,
              "Timekeeper");
    EXPECT_TRUE(remote.checkTimekeeper(timekeeper.id, text, sign(timekeeper)).deviceName)
        << "a card sent again is for the intake to know, not refused here";
    EXPECT_EQ(remote.checkTimekeeper(timekeeper.id, text + "x", sign(timekeeper)).refusal,
              "The signature is wrong.");
    EXPECT_FALSE(remote.checkTimekeeper(director.id, text, sign(director)).deviceName);
    remote.revokeAll(DeviceRole::Timekeeper);
    EXPECT_FALSE(remote.checkTimekeeper(timekeeper.id, text, sign(timekeeper)).deviceName);
    EXPECT_TRUE(remote.check(signedBy(director, 1)).deviceName) << "the director's stays";
}

TEST_F(Remote, OnlySignedCommandsOfAPairedDeviceInRisingOrderGetThrough) {
    auto remote = access();
    const PairedDevice phone = paired(remote, "Phone");
    const PairedDevice tablet = paired(remote, "Tablet");
    EXPECT_EQ(remote.check(signedBy(phone, 5)).deviceName, "Phone");
    EXPECT_EQ(remote.check(signedBy(phone, 5)).refusal, "The command came out of order or twice.");
    EXPECT_FALSE(remote.check(signedBy(phone, 4)).deviceName) << "reordered";
    EXPECT_EQ(remote.check(signedBy(tablet, 1)).deviceName, "Tablet") << "each has its own count";

    SignedCommand forged = signedBy(phone, 9, RemoteAction::Stop);
    forged.command.action = RemoteAction::Reset;
    EXPECT_EQ(remote.check(forged).refusal, "The signature is wrong.");
    SignedCommand stranger = signedBy(phone, 10);
    stranger.command.device = "unknown";
    EXPECT_EQ(remote.check(stranger).refusal,
              "This device is not paired (or was revoked): pair it again.");
    // A forged command does not use up its number.
    EXPECT_TRUE(remote.check(signedBy(phone, 9)).deviceName);

    EXPECT_FALSE(access().check(signedBy(phone, 9)).deviceName)
        << "the last number survives a restart";
    remote.revoke(phone.id);
    EXPECT_FALSE(remote.check(signedBy(phone, 20)).deviceName);
    EXPECT_TRUE(remote.check(signedBy(tablet, 2)).deviceName);
    remote.revokeAll(DeviceRole::Director);
    EXPECT_FALSE(remote.check(signedBy(tablet, 3)).deviceName);
    EXPECT_TRUE(access().devices(DeviceRole::Director).empty());
}

TEST_F(Remote, AnUnreadableFileIsNamedAndPairingStartsAfresh) {
    QFile file(folder.filePath(QStringLiteral("remote-devices.json")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"day":"2026-06-13","devices":[{"id":"x","secret":"short"}]})");
    file.close();
    auto remote = access();
    EXPECT_TRUE(remote.devices(DeviceRole::Director).empty());
    EXPECT_NE(lines.str().find("cannot be read"), std::string::npos) << lines.str();
    paired(remote);
    EXPECT_EQ(access().devices(DeviceRole::Director).size(), 1u);
}

} // namespace
} // namespace aerolap::testing

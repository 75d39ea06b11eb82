// The director's remote without its transport: who may pair, and which commands get through.
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
    EXPECT_TRUE(signatureMatches(jump, signature, secret));
    for (RemoteCommand changed : {RemoteCommand{"d2", 17, RemoteAction::Jump, 3, 2},
                                  RemoteCommand{"d1", 18, RemoteAction::Jump, 3, 2},
                                  RemoteCommand{"d1", 17, RemoteAction::Jump, 3, 1}}) {
        EXPECT_FALSE(signatureMatches(changed, signature, secret)) << signedText(changed).data();
    }
    QByteArray lastByteOff = signature;
    lastByteOff.back() = lastByteOff.back() == '0' ? '1' : '0';
    EXPECT_FALSE(signatureMatches(jump, lastByteOff, secret));
    EXPECT_FALSE(signatureMatches(jump, signature.left(63), secret));
    EXPECT_FALSE(signatureMatches(jump, signature, QByteArray(32, 'K')));
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

TEST(PairingGate, WrongCodesWaitLongerEachTimeAndTheFifthLocksForAMinute) {
    VirtualTime time;
    PairingGate gate(time);
    EXPECT_EQ(gate.attempt("000000").verdict, Verdict::Closed);
    gate.open();
    ASSERT_EQ(gate.code().size(), 6u);
    const std::string wrong = gate.code() == "999999" ? "000000" : "999999";
    for (const auto wait : {1s, 2s, 4s, 8s}) {
        const auto outcome = gate.attempt(wrong);
        EXPECT_EQ(outcome.verdict, Verdict::Wrong);
        EXPECT_EQ(outcome.retryAfter, wait);
        time.advance(wait - 1ms);
        // Even the right code is not heard before the wait is over.
        EXPECT_EQ(gate.attempt(gate.code()).verdict, Verdict::Wait);
        time.advance(1ms);
    }
    EXPECT_EQ(gate.attempt(wrong).verdict, Verdict::Locked);
    time.advance(59s);
    const auto locked = gate.attempt(gate.code());
    EXPECT_EQ(locked.verdict, Verdict::Locked);
    EXPECT_EQ(locked.retryAfter, 1s);
    time.advance(1s);
    // After the lock the count starts again: one wrong code waits a second.
    EXPECT_EQ(gate.attempt(wrong).retryAfter, 1s);
    time.advance(1s);
    const std::string code = gate.code();
    EXPECT_EQ(gate.attempt(code).verdict, Verdict::Accepted);
    EXPECT_EQ(gate.attempt(code).verdict, gate.code() == code ? Verdict::Accepted : Verdict::Wrong)
        << "a code pairs one device";
    gate.close();
    EXPECT_EQ(gate.attempt(gate.code()).verdict, Verdict::Closed);
}

/// A state folder of its own, the notices told, and a wall clock that can move to the next day.
struct Remote : ::testing::Test {
    /// The remote as a new start finds it, once all written before is on disk.
    RemoteAccess access() {
        files.flush(FileWriter::kPatience);
        return RemoteAccess(time, wall, notices, folder.path().toStdString(), files);
    }
    PairedDevice paired(RemoteAccess& remote, std::string_view name = "Phone") {
        remote.openPairing();
        return remote.pair(*remote.pairingCode(), name).device.value();
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
    EXPECT_FALSE(remote.pair("123456", "Phone").device) << "closed until the window shows it";
    remote.openPairing();
    EXPECT_EQ(remote.pair(*remote.pairingCode(), " \t\n").refusal, "Type a name for this device.");
    const std::string code = *remote.pairingCode();
    const auto first = remote.pair(code, "Director\x07's  phone");
    ASSERT_TRUE(first.device) << first.refusal;
    EXPECT_EQ(first.device->name, "Director's phone");
    EXPECT_EQ(first.device->secret.size(), 32);
    EXPECT_NE(*remote.pairingCode(), code);
    const auto second = remote.pair(*remote.pairingCode(), std::string(60, 'x'));
    ASSERT_TRUE(second.device);
    EXPECT_EQ(second.device->name.size(), 40u);
    EXPECT_NE(first.device->secret, second.device->secret);
    EXPECT_NE(first.device->id, second.device->id);
    EXPECT_NE(lines.str().find("\"Director's phone\" is paired"), std::string::npos);

    EXPECT_EQ(access().devices(), remote.devices()) << "kept in the state folder";
    wall.days = std::chrono::days(1);
    EXPECT_TRUE(access().devices().empty());
    EXPECT_NE(lines.str().find("are forgotten"), std::string::npos) << lines.str();
}

TEST_F(Remote, AWrongCodeIsRefusedWithTheWaitAndNoDeviceIsAdded) {
    auto remote = access();
    remote.openPairing();
    const std::string wrong = *remote.pairingCode() == "000000" ? "000001" : "000000";
    const auto refused = remote.pair(wrong, "Stranger");
    EXPECT_EQ(refused.refusal, "Wrong code.");
    EXPECT_EQ(refused.retryAfter, 1s);
    EXPECT_EQ(remote.pair(*remote.pairingCode(), "Director").refusal, "Wait before the next try.");
    EXPECT_TRUE(remote.devices().empty());
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
    EXPECT_EQ(remote.check(forged).refusal, "The command's signature is wrong.");
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
    remote.revokeAll();
    EXPECT_FALSE(remote.check(signedBy(tablet, 3)).deviceName);
    EXPECT_TRUE(access().devices().empty());
}

TEST_F(Remote, AnUnreadableFileIsNamedAndPairingStartsAfresh) {
    QFile file(folder.filePath(QStringLiteral("remote-devices.json")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"day":"2026-06-13","devices":[{"id":"x","secret":"short"}]})");
    file.close();
    auto remote = access();
    EXPECT_TRUE(remote.devices().empty());
    EXPECT_NE(lines.str().find("cannot be read"), std::string::npos) << lines.str();
    paired(remote);
    EXPECT_EQ(access().devices().size(), 1u);
}

} // namespace
} // namespace aerolap::testing

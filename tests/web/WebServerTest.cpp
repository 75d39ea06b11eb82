// The pilots' display server, running on a loopback port with limits small enough to reach.
#include "web/PageAddresses.h"
#include "web/PilotsDisplayServer.h"

#include <QTcpSocket>
#include <QTest>
#include <QWebSocket>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

constexpr int kCap = 8;

class WebServer : public ::testing::Test {
protected:
    WebServer() { server.publish({"00.09.59", "TEMPO OPERATIVO", CyclePhase::WorkingTime, {}}); }

    std::unique_ptr<QTcpSocket> connected() {
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(QHostAddress::LocalHost, port);
        EXPECT_TRUE(socket->waitForConnected(2000));
        return socket;
    }
    /// The answer to `request`, whole once the server has said something and then nothing for
    /// 100 ms, or has said nothing for 500 ms; "|closed" follows when the server closed.
    QByteArray exchange(const QByteArray& request) {
        const auto socket = connected();
        socket->write(request);
        QByteArray answer;
        for (int quiet = 0; quiet < (answer.isEmpty() ? 10 : 2) &&
                            socket->state() == QAbstractSocket::ConnectedState;) {
            QTest::qWait(50);
            const QByteArray more = socket->readAll();
            quiet = more.isEmpty() ? quiet + 1 : 0;
            answer += more;
        }
        return answer + socket->readAll() +
               (socket->state() == QAbstractSocket::ConnectedState ? "" : "|closed");
    }
    std::unique_ptr<QWebSocket> webSocket(QStringList& received) {
        auto client = std::make_unique<QWebSocket>();
        QObject::connect(client.get(), &QWebSocket::textMessageReceived,
                         [&received](const QString& message) { received << message; });
        client->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(port)));
        return client;
    }

    PilotsDisplayServer server{{kCap, 400ms, 4096, 2048, 50ms}};
    quint16 port = server.start(QHostAddress::LocalHost, 0).value_or(0);
};

struct Exchange {
    const char* name;
    std::string request; // a bare request line gets the version and a Host header
    const char* answerStart;
    /// What the answer must also hold, for the rows whose status line alone does not say enough.
    const char* answerHas = nullptr;
    friend void PrintTo(const Exchange& row, std::ostream* out) { *out << row.name; }
};

class Exchanges : public WebServer, public ::testing::WithParamInterface<Exchange> {};

TEST_P(Exchanges, AnswerOnlyReadingRequestsOfTheirOwnPathsAndCloseAbuse) {
    const std::string& request = GetParam().request;
    const QByteArray answer = exchange(QByteArray::fromStdString(
        request.find('\n') == std::string::npos ? request + " HTTP/1.1\r\nHost: x\r\n\r\n"
                                                : request));
    EXPECT_TRUE(answer.startsWith(GetParam().answerStart)) << answer.left(80).toStdString();
    if (const char* has = GetParam().answerHas) {
        EXPECT_TRUE(answer.contains(has)) << answer.left(400).toStdString();
    }
}

const std::string kUpgrade = "HTTP/1.1\r\nHost: x\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                             "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
                             "Sec-WebSocket-Version: 13\r\n\r\n";
const Exchange kExchanges[] = {
    {"Page", "GET /", "HTTP/1.1 200", "url(data:font/woff;base64,d09GRg"}, // its font inside
    {"State", "GET /api/state", "HTTP/1.1 200",
     R"({"phase":"working","status":"TEMPO OPERATIVO","time":"00.09.59"})"},
    {"NoDrawYet", "GET /api/draw", "HTTP/1.1 200", R"({"version":0})"},
    {"PostToTheDraw", "POST /api/draw", "HTTP/1.1 405", "Allow: GET"},
    {"NoResultsYet", "GET /api/results", "HTTP/1.1 200", R"({"version":0})"},
    {"PostToTheResults", "POST /api/results", "HTTP/1.1 405", "Allow: GET"},
    {"WebSocketUpgrade", "GET /ws " + kUpgrade, "HTTP/1.1 101",
     "Sec-WebSocket-Accept: s3pPLMBiTxaQ9kYGzzhZRbK+xOo="}, // the key's answer, RFC 6455
    {"PlainRequestForTheWebSocket", "GET /ws", "HTTP/1.1 426"},
    {"UpgradeElsewhere", "GET /api/state " + kUpgrade, "HTTP/1.1 404"},
    {"Unknown", "GET /index.html", "HTTP/1.1 404"},
    {"DotDot", "GET /../api/state", "HTTP/1.1 404"},
    {"EncodedSlash", "GET /api%2Fstate", "HTTP/1.1 404"},
    {"DoubleSlash", "GET //api/state", "HTTP/1.1 404"},
    {"Post", "POST /api/state", "HTTP/1.1 405", "Allow: GET"},
    {"Delete", "DELETE /", "HTTP/1.1 405"},
    {"HalfSent", "GET / HTTP/1.1\r\nHost: x\r\n", "|closed"},
    {"OversizedHeader", "GET / HTTP/1.1\r\nX: " + std::string(8192, 'a') + "\r\n\r\n", "|closed"},
    {"OversizedBody", "POST / HTTP/1.1\r\nContent-Length: 99999\r\n\r\n" + std::string(8192, 'b'),
     "|closed"},
};
INSTANTIATE_TEST_SUITE_P(, Exchanges, ::testing::ValuesIn(kExchanges),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(WebServer,
       WebSocketCarriesTheStateOnConnectingOnEveryChangeAndAfterASilenceAndNoLargeMessage) {
    QStringList received;
    auto client = webSocket(received);
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 1; }, 2000));
    server.publish({"00.09.58", "TEMPO OPERATIVO", CyclePhase::WorkingTime, {}});
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 3; }, 2500));
    EXPECT_TRUE(received[0].contains(QStringLiteral("00.09.59")));
    EXPECT_EQ(received[1], received[2]);
    EXPECT_TRUE(received[2].contains(QStringLiteral("00.09.58")));
    client->sendTextMessage(QString(2048, 'x')); // larger than anything a page has to say
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.openConnections() == 0; }, 2000));
}

// The beat runs only while a client listens, and comes back with the next one.
TEST_F(WebServer, BeatsAgainForAClientThatComesAfterTheLastOneLeft) {
    QStringList first, second;
    auto client = webSocket(first);
    ASSERT_TRUE(QTest::qWaitFor([&] { return first.size() == 1; }, 2000));
    client->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.webSocketClients() == 0; }, 2000));
    server.publish({"00.09.58", "TEMPO OPERATIVO", CyclePhase::WorkingTime, {}});
    client = webSocket(second);
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.size() == 2; }, 2500));
    EXPECT_EQ(second[0], second[1]);
    EXPECT_TRUE(second[1].contains(QStringLiteral("00.09.58")));
}

TEST_F(WebServer, ServesTheLastDrawPublishedNeverFromACache) {
    server.publishDraw(
        DrawDocument{3, "Club", "2026-06-07", {"Anna"}, {{{"Anna"}}}, {{1, 1, 1, 90}}});
    const QByteArray answer = exchange("GET /api/draw HTTP/1.1\r\nHost: x\r\n\r\n");
    EXPECT_TRUE(answer.contains("Cache-Control: no-store")) << answer.toStdString();
    EXPECT_TRUE(answer.contains(R"({"cycles":[[1,1,1,90]],"date":"2026-06-07","name":"Club",)"
                                R"("pilots":["Anna"],"rounds":[[["Anna"]]],"version":3})"))
        << answer.toStdString();
}

TEST_F(WebServer, CapsConnectionsAndDropsAWebSocketClientThatNeverReads) {
    std::vector<std::unique_ptr<QTcpSocket>> crowd;
    for (int i = 0; i < kCap + 4; ++i) {
        crowd.push_back(connected());
    }
    // The server closes those over the cap at once and keeps the others.
    const auto closed = [&crowd] {
        return std::ranges::count(crowd, QAbstractSocket::UnconnectedState, &QTcpSocket::state);
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return closed() == 4; }, 2000)) << closed();
    EXPECT_EQ(server.openConnections(), kCap);
    crowd.clear();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.openConnections() == 0; }, 2000));
    QStringList received;
    const auto reader = webSocket(received);
    const auto deaf = connected();
    deaf->setReadBufferSize(1);
    deaf->write("GET /ws " + QByteArray::fromStdString(kUpgrade));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.webSocketClients() == 2; }, 2000));
    for (int second = 0; server.webSocketClients() == 2 && second < 200'000; ++second) {
        server.publish({"00.00." + std::to_string(second), "X", CyclePhase::WorkingTime, {}});
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(server.webSocketClients(), 1u);
    EXPECT_EQ(reader->state(), QAbstractSocket::ConnectedState);
}

TEST(PageAddresses, EachIsThePageOnThePortAndLoopbackOnlyWhenNoOtherAddressIsThere) {
    const QStringList addresses = pageAddresses(8123);
    ASSERT_FALSE(addresses.isEmpty());
    for (const QString& address : addresses) {
        EXPECT_TRUE(address.startsWith("http://") && address.endsWith(":8123/"))
            << address.toStdString();
    }
    EXPECT_TRUE(addresses == QStringList{"http://127.0.0.1:8123/"} ||
                !addresses.contains("http://127.0.0.1:8123/"));
}

} // namespace
} // namespace aerolap::testing

// The pilots' display server, running on a loopback port with limits small enough to reach.
#include "web/PilotsDisplayServer.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QWebSocket>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

constexpr int kCap = 8;
const ConnectionLimits kLimits{kCap, 400ms, 4096, 2048, 50ms};
const DisplayState kWorking{"00.09.59", "TEMPO OPERATIVO", CyclePhase::WorkingTime};

class WebServer : public ::testing::Test {
protected:
    WebServer() {
        server.publish(kWorking);
        port = server.start(QHostAddress::LocalHost, 0).value_or(0);
    }

    std::unique_ptr<QTcpSocket> connected() {
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(QHostAddress::LocalHost, port);
        EXPECT_TRUE(socket->waitForConnected(2000));
        return socket;
    }
    /// Sends `request` and gathers the answer: whole once the server closes, or once it has said
    /// something and then nothing for 100 ms.
    QByteArray exchange(const QByteArray& request) {
        const auto socket = connected();
        socket->write(request);
        QByteArray answer;
        for (int quiet = 0; quiet < (answer.isEmpty() ? 10 : 2) &&
                            socket->state() == QAbstractSocket::ConnectedState;) {
            QTest::qWait(50);
            const QByteArray more = socket->readAll();
            answer += more;
            quiet = more.isEmpty() ? quiet + 1 : 0;
        }
        return answer + socket->readAll();
    }
    /// Whether the server closes `socket` within `limit`.
    static bool closedWithin(QTcpSocket& socket, std::chrono::milliseconds limit) {
        QSignalSpy closed(&socket, &QTcpSocket::disconnected);
        return socket.state() != QAbstractSocket::ConnectedState ||
               closed.wait(static_cast<int>(limit.count()));
    }
    std::unique_ptr<QWebSocket> webSocket(const QString& path, QStringList& received) {
        auto client = std::make_unique<QWebSocket>();
        QObject::connect(client.get(), &QWebSocket::textMessageReceived,
                         [&received](const QString& message) { received << message; });
        client->open(QUrl(QStringLiteral("ws://127.0.0.1:%1%2").arg(port).arg(path)));
        return client;
    }

    PilotsDisplayServer server{kLimits};
    quint16 port = 0;
};

struct Route {
    const char* name;
    const char* requestLine;
    const char* status;
    const char* bodyHas;
    friend void PrintTo(const Route& row, std::ostream* out) { *out << row.requestLine; }
};

class Routes : public WebServer, public ::testing::WithParamInterface<Route> {};

TEST_P(Routes, AnswerOnlyReadingRequestsOfTheirOwnPaths) {
    const QByteArray answer =
        exchange(QByteArray(GetParam().requestLine) + " HTTP/1.1\r\nHost: x\r\n\r\n");
    EXPECT_TRUE(answer.startsWith(QByteArray("HTTP/1.1 ") + GetParam().status))
        << answer.left(200).toStdString();
    EXPECT_TRUE(answer.contains(GetParam().bodyHas));
}

const Route kRoutes[] = {
    {"Page", "GET /", "200", "<!DOCTYPE html>"},
    {"PageWithQuery", "GET /?tv=1", "200", "new WebSocket("},
    {"State", "GET /api/state", "200",
     R"({"phase":"working","status":"TEMPO OPERATIVO","time":"00.09.59"})"},
    {"PlainRequestForTheSocket", "GET /ws", "426", ""},
    {"Unknown", "GET /index.html", "404", ""},
    {"DotDot", "GET /../api/state", "404", ""},
    {"Dot", "GET /./api/state", "404", ""},
    {"EncodedSlash", "GET /api%2Fstate", "404", ""},
    {"DoubleSlash", "GET //api/state", "404", ""},
    {"TrailingSlash", "GET /api/state/", "404", ""},
    {"Post", "POST /api/state", "405", ""},
    {"Delete", "DELETE /", "405", ""},
    {"Put", "PUT /ws", "405", ""},
    {"Head", "HEAD /", "405", ""},
};
INSTANTIATE_TEST_SUITE_P(, Routes, ::testing::ValuesIn(kRoutes),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(WebServer, WebSocketSendsTheStateOnConnectingAndOnEveryChangeOnlyOnItsPath) {
    QStringList received, elsewhere;
    auto client = webSocket(QStringLiteral("/ws"), received);
    const auto stranger = webSocket(QStringLiteral("/api/state"), elsewhere);
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 1; }, 2000));
    server.publish(kWorking);
    server.publish({"00.09.58", "TEMPO OPERATIVO", CyclePhase::WorkingTime});
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 2; }, 2000));
    EXPECT_TRUE(received[0].contains(QStringLiteral("00.09.59")));
    EXPECT_TRUE(received[1].contains(QStringLiteral("00.09.58")));
    EXPECT_EQ(server.webSocketClients(), 1u);
    // Unchanged, the state is sent again each second, so the page can tell the link is alive.
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.size() == 3; }, 1500));
    EXPECT_TRUE(elsewhere.isEmpty());
    client.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.openConnections() == 0; }, 2000))
        << "a closed WebSocket still counts against the cap";
}

TEST_F(WebServer, ClosesWhatWouldHoldItsConnectionsOrMemory) {
    const auto slow = connected();
    slow->write("GET / HTTP/1.1\r\nHost: x\r\n");
    const auto oversized = connected();
    oversized->write("GET / HTTP/1.1\r\nX-Filler: " + QByteArray(8192, 'a') + "\r\n\r\n");
    const auto body = connected();
    body->write("POST / HTTP/1.1\r\nContent-Length: 1000000\r\n\r\n" + QByteArray(8192, 'b'));
    EXPECT_TRUE(closedWithin(*oversized, 1s));
    EXPECT_TRUE(closedWithin(*body, 1s));
    EXPECT_TRUE(closedWithin(*slow, 2s)) << "a request still not whole at the deadline";

    std::vector<std::unique_ptr<QTcpSocket>> crowd;
    for (int i = 0; i < kCap + 4; ++i) {
        crowd.push_back(connected());
    }
    QTest::qWait(100);
    EXPECT_EQ(std::ranges::count_if(crowd,
                                    [](const auto& socket) {
                                        return socket->state() == QAbstractSocket::ConnectedState;
                                    }),
              kCap);
    EXPECT_EQ(exchange("GET / HTTP/1.1\r\n\r\n"), "") << "none beyond the cap, until some go";
    crowd.clear();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return exchange("GET /api/state HTTP/1.1\r\n\r\n").startsWith("HTTP/1.1 200"); },
        2000));
}

TEST_F(WebServer, DropsAWebSocketClientThatNeverReadsAndKeepsOneThatDoes) {
    QStringList received;
    const auto reader = webSocket(QStringLiteral("/ws"), received);
    const auto deaf = connected();
    deaf->setReadBufferSize(1);
    deaf->write("GET /ws HTTP/1.1\r\nHost: x\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.webSocketClients() == 2; }, 2000));
    for (int second = 0; server.webSocketClients() == 2 && second < 200'000; ++second) {
        server.publish({"00.00." + std::to_string(second), "X", CyclePhase::WorkingTime});
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(server.webSocketClients(), 1u);
    EXPECT_EQ(reader->state(), QAbstractSocket::ConnectedState);
}

} // namespace
} // namespace aerolap::testing

#pragma once

#include <QHostAddress>
#include <QTcpServer>
#include <QTimer>
#include <chrono>

class QTcpSocket;

namespace aerolap {

/// Limits that keep a stranger's connections from costing the timer more than a little memory.
struct ConnectionLimits {
    int maxConnections = 256;
    /// How long a connection may stay before it becomes a WebSocket: time enough for a page load
    /// on a kept-alive connection, too short for a request sent a byte at a time.
    std::chrono::milliseconds httpLifetime{10'000};
    /// What a client may send before it becomes a WebSocket. The page needs no request body, so
    /// this bounds headers, bodies and pipelined requests alike.
    qint64 maxHttpBytes = 16 * 1024;
    /// What may wait unsent for a WebSocket client that does not read, checked this often.
    qint64 maxUnsentBytes = 64 * 1024;
    std::chrono::milliseconds checkInterval{1'000};
};

/// The pilots' display's listening socket. It enforces what Qt's HTTP server leaves to its user:
/// a cap on open connections (those above it are closed at once), a lifetime for plain HTTP
/// connections (half-sent requests included), a bound on what a client sends, and a bound on
/// what waits for a WebSocket client that never reads. HTTP itself stays with the server.
class GuardedTcpServer final : public QTcpServer {
public:
    explicit GuardedTcpServer(ConnectionLimits limits, QObject* parent = nullptr);

    int openConnections() const { return m_open; }
    /// The connection from `peer` has become a WebSocket: it may stay, as long as it reads.
    void markAsWebSocket(const QHostAddress& peer, quint16 peerPort);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void guard(QTcpSocket& socket);
    void dropClientsThatDoNotRead();

    ConnectionLimits m_limits;
    QTimer m_unsentSweep;
    int m_open = 0;
};

} // namespace aerolap

#include "GuardedTcpServer.h"

#include <QTcpSocket>
#include <QTimer>
#include <memory>

namespace aerolap {

namespace {

constexpr const char* kWebSocketMark = "aerolapWebSocket";

bool isWebSocket(const QTcpSocket& socket) {
    return socket.property(kWebSocketMark).toBool();
}

} // namespace

GuardedTcpServer::GuardedTcpServer(ConnectionLimits limits, QObject* parent)
    : QTcpServer(parent), m_limits(limits) {
    // One sweep for all connections: a timer each would wake the event loop once per client.
    connect(&m_unsentSweep, &QTimer::timeout, this, [this] { dropClientsThatDoNotRead(); });
    // Sweeps only while there is a connection to sweep.
    m_unsentSweep.setInterval(m_limits.checkInterval);
}

void GuardedTcpServer::markAsWebSocket(const QHostAddress& peer, quint16 peerPort) {
    for (QTcpSocket* socket : findChildren<QTcpSocket*>(Qt::FindDirectChildrenOnly)) {
        if (socket->peerPort() == peerPort && socket->peerAddress() == peer) {
            socket->setProperty(kWebSocketMark, true);
        }
    }
}

void GuardedTcpServer::incomingConnection(qintptr descriptor) {
    auto* socket = new QTcpSocket(this);
    // Deleting the socket closes a connection over the cap at once.
    if (!socket->setSocketDescriptor(descriptor) || m_open >= m_limits.maxConnections) {
        delete socket;
        return;
    }
    ++m_open;
    if (!m_unsentSweep.isActive()) {
        m_unsentSweep.start();
    }
    guard(*socket);
    addPendingConnection(socket);
}

void GuardedTcpServer::guard(QTcpSocket& socket) {
    // Counted through a child: the upgrade to a WebSocket cuts every connection to the socket's
    // own signals, its destruction included.
    connect(new QObject(&socket), &QObject::destroyed, this, [this] {
        if (--m_open == 0) {
            m_unsentSweep.stop();
        }
    });
    // Connected before the HTTP server connects its own reader, so every byte is counted
    // before the server takes it from the buffer; the upgrade ends the counting.
    auto received = std::make_shared<qint64>(0);
    connect(&socket, &QIODevice::readyRead, &socket, [this, &socket, received] {
        *received += socket.bytesAvailable();
        if (*received > m_limits.maxHttpBytes) {
            socket.abort();
        }
    });
    QTimer::singleShot(m_limits.httpLifetime, &socket, [&socket] {
        if (!isWebSocket(socket)) {
            socket.abort();
        }
    });
}

void GuardedTcpServer::dropClientsThatDoNotRead() {
    for (QTcpSocket* socket : findChildren<QTcpSocket*>(Qt::FindDirectChildrenOnly)) {
        if (socket->bytesToWrite() > m_limits.maxUnsentBytes) {
            socket->abort();
        }
    }
}

} // namespace aerolap

#include "PilotsDisplayServer.h"

#include "DisplayStateJson.h"
#include "PhoneRoutes.h"

#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QWebSocket>
#include <algorithm>
#include <chrono>

namespace aerolap {

namespace {

using Status = QHttpServerResponder::StatusCode;

// Longer than the second between two changes while the time runs, so that a beat never lands
// beside a frame; short enough for the page, which calls the link lost after 2.5 s of silence.
constexpr auto kHeartbeat = std::chrono::milliseconds(1500);
// The page sends nothing; anything a client does send is read and dropped within this bound.
constexpr qint64 kMaxIncomingMessage = 1024;

const QString kPagePath = QStringLiteral("/");
const QString kStatePath = QStringLiteral("/api/state");
const QString kDrawPath = QStringLiteral("/api/draw");
const QString kResultsPath = QStringLiteral("/api/results");
const QString kWebSocketPath = QStringLiteral("/ws");

QByteArray embeddedPage() {
    QFile page(QStringLiteral(":/aerolap/web/index.html"));
    return page.open(QIODevice::ReadOnly) ? page.readAll() : QByteArray();
}

/// The path exactly as sent, still encoded: "/api%2Fstate" or "/./" name no page here.
QString exactPath(const QHttpServerRequest& request) {
    return request.url().path(QUrl::FullyEncoded);
}

} // namespace

PilotsDisplayServer::PilotsDisplayServer(ConnectionLimits limits, QObject* parent)
    : QAbstractHttpServer(parent), m_listener(new GuardedTcpServer(limits, this)),
      m_page(embeddedPage()), m_json(displayStateJson({})), m_drawJson(drawDocumentJson({})),
      m_resultsJson(QByteArrayLiteral("{\"version\":0}")) {
    connect(this, &QAbstractHttpServer::newWebSocketConnection, this,
            &PilotsDisplayServer::adoptWebSockets);
    connect(&m_heartbeat, &QTimer::timeout, this, [this] { sendToAll(); });
    // Beats only while a client listens.
    m_heartbeat.setInterval(kHeartbeat);
}

PilotsDisplayServer::~PilotsDisplayServer() {
    // A client that closes reaches back into the server's members: it must not, once they go.
    for (const std::unique_ptr<QWebSocket>& client : m_clients) {
        client->disconnect(this);
    }
}

std::optional<quint16> PilotsDisplayServer::start(const QHostAddress& address, quint16 port) {
    if (!m_listener->listen(address, port)) {
        return std::nullopt;
    }
    bind(m_listener);
    return m_listener->serverPort();
}

void PilotsDisplayServer::publishDraw(const std::optional<DrawDocument>& draw) {
    m_drawJson = drawDocumentJson(draw);
}

void PilotsDisplayServer::publish(const DisplayState& state) {
    QByteArray json = displayStateJson(state);
    if (json == m_json) {
        return;
    }
    m_json = std::move(json);
    sendToAll();
    // A beat only fills a silence.
    if (m_heartbeat.isActive()) {
        m_heartbeat.start();
    }
}

bool PilotsDisplayServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    const QString path = exactPath(request);
    const bool isGet = request.method() == QHttpServerRequest::Method::Get;
    // Qt's server turns a WebSocket request into a WebSocket once it is handled here, whatever
    // was answered; one for any other path or method is refused as not found, and not upgraded.
    if (request.value("Upgrade").compare("websocket", Qt::CaseInsensitive) == 0) {
        return isGet && path == kWebSocketPath;
    }
    for (PhoneRoutes* phones : m_phones) {
        if (phones->owns(path)) {
            phones->handle(request, makeResponder(request, socket));
            return true;
        }
    }
    const QByteArray* document = path == kStatePath     ? &m_json
                                 : path == kDrawPath    ? &m_drawJson
                                 : path == kResultsPath ? &m_resultsJson
                                                        : nullptr;
    if (path != kPagePath && path != kWebSocketPath && document == nullptr) {
        return false;
    }
    QHttpServerResponder responder = makeResponder(request, socket);
    if (!isGet) {
        responder.write({{"Allow", "GET"}}, Status::MethodNotAllowed);
    } else if (path == kPagePath) {
        responder.write(m_page, {{"Content-Type", "text/html; charset=utf-8"}});
    } else if (document != nullptr) {
        // Never from a cache: the state changes every second, the draw and results with their
        // versions.
        responder.write(*document,
                        {{"Content-Type", "application/json"}, {"Cache-Control", "no-store"}});
    } else {
        responder.write(Status::UpgradeRequired);
    }
    return true;
}

void PilotsDisplayServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    makeResponder(request, socket).write(Status::NotFound);
}

void PilotsDisplayServer::adoptWebSockets() {
    while (hasPendingWebSocketConnections()) {
        std::unique_ptr<QWebSocket> client = nextPendingWebSocketConnection();
        m_listener->markAsWebSocket(client->peerAddress(), client->peerPort());
        client->setMaxAllowedIncomingFrameSize(kMaxIncomingMessage);
        client->setMaxAllowedIncomingMessageSize(kMaxIncomingMessage);
        QWebSocket* adopted = client.get();
        connect(adopted, &QWebSocket::disconnected, this, [this, adopted] {
            const auto gone =
                std::ranges::find(m_clients, adopted, &std::unique_ptr<QWebSocket>::get);
            if (gone != m_clients.end()) {
                gone->release()->deleteLater();
                m_clients.erase(gone);
            }
            if (m_clients.empty()) {
                m_heartbeat.stop();
            }
        });
        adopted->sendTextMessage(QString::fromUtf8(m_json));
        m_clients.push_back(std::move(client));
        if (!m_heartbeat.isActive()) {
            m_heartbeat.start();
        }
    }
}

void PilotsDisplayServer::sendToAll() {
    const QString message = QString::fromUtf8(m_json);
    // A failed write can drop a client from the list while it is being walked; dropped clients
    // are deleted only later, so the pointers taken here stay valid.
    std::vector<QWebSocket*> clients(m_clients.size());
    std::ranges::transform(m_clients, clients.begin(), &std::unique_ptr<QWebSocket>::get);
    for (QWebSocket* client : clients) {
        client->sendTextMessage(message);
    }
}

} // namespace aerolap

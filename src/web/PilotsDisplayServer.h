#pragma once

#include "GuardedTcpServer.h"
#include "pilots_display/DisplayState.h"
#include "pilots_display/DrawDocument.h"

#include <QAbstractHttpServer>
#include <QHostAddress>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

class QWebSocket;

namespace aerolap {

class PhoneRoutes;

/// Serves the pilots' display: GET / the page, GET /api/state the state as JSON, GET /api/draw the
/// draw and GET /api/results the results (each fetched again only when the state names a new
/// version), /ws a WebSocket that carries the
/// state on connecting, on every change and after each 1.5 s without one, so that the page notices
/// a lost connection; with no WebSocket client it sends nothing. Nothing else: other paths are 404,
/// other methods 405, and nothing a client sends can change the timer (the director's remote,
/// under /remote, and the timekeepers' cards, under /timekeeper, are apart: see `servePhones`).
/// What it shows comes in through `publish`.
class PilotsDisplayServer final : public QAbstractHttpServer {
public:
    explicit PilotsDisplayServer(ConnectionLimits limits = {}, QObject* parent = nullptr);
    ~PilotsDisplayServer() override;

    /// The port it listens on, or nothing when `port` cannot be had (`listenError` says why).
    std::optional<quint16> start(const QHostAddress& address, quint16 port);
    QString listenError() const { return m_listener->errorString(); }

    void publish(const DisplayState& state);
    /// What /api/draw serves from now on.
    void publishDraw(const std::optional<DrawDocument>& draw);
    /// What /api/results serves from now on: the results, made elsewhere once per version.
    void publishResults(const QByteArray& json) { m_resultsJson = json; }
    /// Serves a page for paired phones too, under its own path; without it those paths are not
    /// found.
    void servePhones(PhoneRoutes* routes) { m_phones.push_back(routes); }

    std::size_t webSocketClients() const { return m_clients.size(); }
    int openConnections() const { return m_listener->openConnections(); }

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    void adoptWebSockets();
    void sendToAll();

    GuardedTcpServer* m_listener;
    QByteArray m_page;
    QByteArray m_json;
    QByteArray m_drawJson;
    QByteArray m_resultsJson;
    std::vector<std::unique_ptr<QWebSocket>> m_clients;
    QTimer m_heartbeat;
    std::vector<PhoneRoutes*> m_phones;
};

} // namespace aerolap

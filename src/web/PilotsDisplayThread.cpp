#include "PilotsDisplayThread.h"

namespace aerolap {

PilotsDisplayThread::PilotsDisplayThread(ConnectionLimits limits) {
    m_thread.setObjectName(QStringLiteral("pilots' display"));
    m_thread.start();
    // Built on its thread, so that everything Qt's server makes inside it belongs there too.
    m_context.moveToThread(&m_thread);
    QMetaObject::invokeMethod(
        &m_context, [this, limits] { m_server = new PilotsDisplayServer(limits); },
        Qt::BlockingQueuedConnection);
}

PilotsDisplayThread::~PilotsDisplayThread() {
    QMetaObject::invokeMethod(
        &m_context, [this] { delete m_server; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

std::pair<std::optional<quint16>, QString> PilotsDisplayThread::start(const QHostAddress& address,
                                                                      quint16 port) {
    std::pair<std::optional<quint16>, QString> outcome;
    QMetaObject::invokeMethod(
        m_server,
        [&] {
            outcome.first = m_server->start(address, port);
            outcome.second = outcome.first ? QString() : m_server->listenError();
        },
        Qt::BlockingQueuedConnection);
    return outcome;
}

void PilotsDisplayThread::publish(const DisplayState& state) {
    QMetaObject::invokeMethod(
        m_server, [server = m_server, state] { server->publish(state); }, Qt::QueuedConnection);
}

void PilotsDisplayThread::publishDraw(const std::optional<DrawDocument>& draw) {
    QMetaObject::invokeMethod(
        m_server, [server = m_server, draw] { server->publishDraw(draw); }, Qt::QueuedConnection);
}

void PilotsDisplayThread::publishResults(const QByteArray& json) {
    QMetaObject::invokeMethod(
        m_server, [server = m_server, json] { server->publishResults(json); },
        Qt::QueuedConnection);
}

void PilotsDisplayThread::serveRemote(RemoteAccess& access, RemoteRoutes::HandOver handOver) {
    QMetaObject::invokeMethod(
        m_server,
        [&] {
            m_remote = new RemoteRoutes(access, std::move(handOver), m_server);
            m_server->servePhones(m_remote);
        },
        Qt::BlockingQueuedConnection);
}

void PilotsDisplayThread::publishDirectorState(const QByteArray& json) {
    QMetaObject::invokeMethod(
        m_remote, [remote = m_remote, json] { remote->publishDirectorState(json); },
        Qt::QueuedConnection);
}

void PilotsDisplayThread::serveTimekeepers(RemoteAccess& access,
                                           TimekeeperRoutes::HandOver handOver) {
    QMetaObject::invokeMethod(
        m_server,
        [&] {
            m_timekeepers = new TimekeeperRoutes(access, std::move(handOver), m_server);
            m_server->servePhones(m_timekeepers);
        },
        Qt::BlockingQueuedConnection);
}

void PilotsDisplayThread::publishTimekeeperGroup(const QByteArray& json) {
    QMetaObject::invokeMethod(
        m_timekeepers, [timekeepers = m_timekeepers, json] { timekeepers->publishGroup(json); },
        Qt::QueuedConnection);
}

} // namespace aerolap

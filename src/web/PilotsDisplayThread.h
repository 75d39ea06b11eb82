#pragma once

#include "PilotsDisplayServer.h"
#include "RemoteRoutes.h"
#include "TimekeeperRoutes.h"

#include <QThread>

namespace aerolap {

/// Runs the pilots' display server on a thread of its own. Its sockets then never share an event
/// loop with the timer's polls: however many clients connect, and whatever they send, the frames
/// and cues keep their moments.
class PilotsDisplayThread {
public:
    explicit PilotsDisplayThread(ConnectionLimits limits = {});
    ~PilotsDisplayThread();

    /// Waits for the server to listen: its port, or nothing and why not.
    std::pair<std::optional<quint16>, QString> start(const QHostAddress& address, quint16 port);
    /// Hands the state over without waiting.
    void publish(const DisplayState& state);
    void publishDraw(const std::optional<DrawDocument>& draw);
    void publishResults(const QByteArray& json);
    /// Serves the director's remote from now on, handing each checked command over.
    void serveRemote(RemoteAccess& access, RemoteRoutes::HandOver handOver);
    void publishDirectorState(const QByteArray& json);
    /// Serves the timekeepers' card page from now on, handing each checked message over.
    void serveTimekeepers(RemoteAccess& access, TimekeeperRoutes::HandOver handOver);
    void publishTimekeeperGroup(const QByteArray& json);

private:
    QThread m_thread;
    QObject m_context;
    PilotsDisplayServer* m_server = nullptr;
    RemoteRoutes* m_remote = nullptr;
    TimekeeperRoutes* m_timekeepers = nullptr;
};

} // namespace aerolap

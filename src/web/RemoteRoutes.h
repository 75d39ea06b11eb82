#pragma once

#include "remote/RemoteAccess.h"

#include <QByteArray>
#include <QHttpServerResponder>
#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <functional>
#include <map>

class QHttpServerRequest;
class QJsonObject;

namespace aerolap {

/// The director's remote on the pilots' display server's thread: the page, pairing and signed
/// commands under /remote. It checks who asks (RemoteAccess) and hands each checked command over
/// to the timing thread, answering with what became of it there. Its GETs change nothing.
class RemoteRoutes : public QObject {
public:
    /// Carries a checked command to the timing thread, where `answer` is called with what became
    /// of it.
    using Answer = std::function<void(const RemoteOutcome&)>;
    using HandOver = std::function<void(const RemoteCommand& command, const std::string& deviceName,
                                        Answer answer)>;

    RemoteRoutes(RemoteAccess& access, HandOver handOver, QObject* parent = nullptr);

    /// Whether `path` (exactly as sent) is one of the remote's.
    static bool owns(const QString& path);
    void handle(const QHttpServerRequest& request, QHttpServerResponder responder);

    /// What the director's page shows beside the pilots' display, as JSON.
    void publishDirectorState(QByteArray json);

private:
    void pair(const QByteArray& body, QHttpServerResponder& responder);
    void command(const QByteArray& body, QHttpServerResponder responder);
    void answer(quint64 pending, const RemoteOutcome& outcome);
    using Status = QHttpServerResponder::StatusCode;
    /// Every answer of the remote: never kept by a cache, and held to the content policy.
    void reply(QHttpServerResponder& responder, const QByteArray& type, const QByteArray& body,
               Status status = Status::Ok) const;
    void replyJson(QHttpServerResponder& responder, const QJsonObject& object, Status status) const;

    RemoteAccess& m_access;
    HandOver m_handOver;
    QByteArray m_page;
    QByteArray m_script;
    QByteArray m_contentPolicy;
    QByteArray m_directorState;
    struct Pending {
        QPointer<QTcpSocket> socket;
        QHttpServerResponder responder;
    };
    std::map<quint64, Pending> m_pending;
    quint64 m_nextPending = 0;
};

} // namespace aerolap

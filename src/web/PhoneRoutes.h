#pragma once

#include "remote/RemoteAccess.h"

#include <QByteArray>
#include <QHttpServerResponder>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTcpSocket>
#include <map>

class QHttpServerRequest;
class QJsonObject;

namespace aerolap {

/// The routes of a page for paired phones under its own path (the director's remote, the
/// timekeepers' card): the page and its script, pairing in the page's role, GETs of what the page
/// shows and POSTs of signed JSON, each answer never kept by a cache and held to the page's
/// content policy. Answers to what is carried out on another thread come back here later.
/// Lives on the server's thread.
class PhoneRoutes : public QObject {
public:
    /// The longest body a phone posts: a card of a hundred flights fits twice over, and the
    /// server's bound on all a connection sends (`ConnectionLimits`) lies beyond it.
    static constexpr qsizetype kLongestBody = 8 * 1024;

    /// Serves `<prefix>` (the page), `<prefix>/<script>` (after the HMAC and the pages' languages),
    /// `<prefix>/pair`, and the `gets` and `posts` under the prefix.
    PhoneRoutes(RemoteAccess& access, DeviceRole role, const QString& prefix,
                const QString& pageFile, const QString& scriptFile, QStringList gets,
                QStringList posts, QObject* parent);

    /// Whether `path` (exactly as sent) is one of these routes.
    bool owns(const QString& path) const;
    void handle(const QHttpServerRequest& request, QHttpServerResponder responder);

protected:
    using Status = QHttpServerResponder::StatusCode;
    /// What a GET of one of `gets` serves, by the name after the prefix.
    virtual QByteArray document(const QString& name) const = 0;
    /// Answers a POST of one of `posts` (checked as JSON of a bounded size), now or through
    /// `answerLater`.
    virtual void post(const QString& name, const QByteArray& body,
                      QHttpServerResponder responder) = 0;

    void replyJson(QHttpServerResponder& responder, const QJsonObject& object, Status status) const;
    /// Keeps the responder until `answerLater`, which may be called from any thread.
    quint64 keep(QHttpServerResponder responder);
    void answerLater(quint64 kept, const QJsonObject& object, Status status);

    RemoteAccess& m_access;

private:
    void reply(QHttpServerResponder& responder, const QByteArray& type, const QByteArray& body,
               Status status = Status::Ok) const;
    void pair(const QHttpServerRequest& request, QHttpServerResponder& responder);
    void answer(quint64 kept, const QJsonObject& object, Status status);

    const DeviceRole m_role;
    const QString m_prefix;
    const QString m_scriptPath;
    const QStringList m_gets;
    const QStringList m_posts;
    QByteArray m_page;
    QByteArray m_script;
    QByteArray m_contentPolicy;
    struct Kept {
        QPointer<QTcpSocket> socket;
        QHttpServerResponder responder;
    };
    std::map<quint64, Kept> m_kept;
    quint64 m_nextKept = 0;
};

} // namespace aerolap

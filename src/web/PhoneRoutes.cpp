#include "PhoneRoutes.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHttpServerRequest>
#include <QJsonDocument>
#include <QJsonObject>

namespace aerolap {

namespace {

/// Nothing but this server's own script and connections and the page's one style sheet, named by
/// its hash; no frames, no forms sent elsewhere.
QByteArray contentPolicyFor(const QByteArray& page) {
    const qsizetype from = page.indexOf("<style>") + 7;
    const QByteArray styles = page.mid(from, page.indexOf("</style>") - from);
    return "default-src 'none'; script-src 'self'; style-src 'sha256-" +
           QCryptographicHash::hash(styles, QCryptographicHash::Sha256).toBase64() +
           "'; connect-src 'self'; base-uri 'none'; form-action 'self'; frame-ancestors 'none'";
}

bool sendsJson(const QHttpServerRequest& request) {
    const QByteArray type = request.value("Content-Type").toLower();
    return type == "application/json" || type.startsWith("application/json;");
}

QByteArray resource(const QString& name) {
    QFile file(QStringLiteral(":/aerolap/web/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kPair = QStringLiteral("pair");

} // namespace

PhoneRoutes::PhoneRoutes(RemoteAccess& access, DeviceRole role, const QString& prefix,
                         const QString& pageFile, const QString& scriptFile, QStringList gets,
                         QStringList posts, QObject* parent)
    : QObject(parent), m_access(access), m_role(role), m_prefix(prefix),
      m_scriptPath(prefix + QLatin1Char('/') + scriptFile), m_gets(std::move(gets)),
      m_posts(std::move(posts) << kPair), m_page(resource(pageFile)),
      m_script(resource(QStringLiteral("hmac.js")) + resource(QStringLiteral("i18n.js")) +
               resource(QStringLiteral("page-catalogues.js")) + resource(scriptFile)),
      m_contentPolicy(contentPolicyFor(m_page)) {}

bool PhoneRoutes::owns(const QString& path) const {
    if (path == m_prefix || path == m_scriptPath) {
        return true;
    }
    const QString under = m_prefix + QLatin1Char('/');
    return path.startsWith(under) &&
           (m_gets.contains(path.mid(under.size())) || m_posts.contains(path.mid(under.size())));
}

void PhoneRoutes::reply(QHttpServerResponder& responder, const QByteArray& type,
                        const QByteArray& body, Status status) const {
    responder.writeStatusLine(status);
    responder.writeHeaders({{"Content-Type", type},
                            {"Cache-Control", "no-store"},
                            {"Content-Security-Policy", m_contentPolicy},
                            {"X-Content-Type-Options", "nosniff"},
                            {"Referrer-Policy", "no-referrer"}});
    responder.writeHeader("Content-Length", QByteArray::number(body.size()));
    responder.writeBody(body);
}

void PhoneRoutes::replyJson(QHttpServerResponder& responder, const QJsonObject& object,
                            Status status) const {
    reply(responder, "application/json", QJsonDocument(object).toJson(QJsonDocument::Compact),
          status);
}

void PhoneRoutes::handle(const QHttpServerRequest& request, QHttpServerResponder responder) {
    const QString path = request.url().path(QUrl::FullyEncoded);
    const QString name = path.mid(m_prefix.size() + 1);
    const bool posts = path != m_scriptPath && m_posts.contains(name);
    const auto method = request.method();
    if (method != (posts ? QHttpServerRequest::Method::Post : QHttpServerRequest::Method::Get)) {
        responder.write({{"Allow", posts ? "POST" : "GET"}}, Status::MethodNotAllowed);
    } else if (posts && !sendsJson(request)) {
        // A form or plain text is what a page of another site can post without asking first.
        replyJson(responder, {{"error", QStringLiteral("The body must be application/json.")}},
                  Status::UnsupportedMediaType);
    } else if (posts && request.body().size() > kLongestBody) {
        replyJson(responder, {{"error", QStringLiteral("The body is too large.")}},
                  Status::PayloadTooLarge);
    } else if (path == m_prefix) {
        reply(responder, "text/html; charset=utf-8", m_page);
    } else if (path == m_scriptPath) {
        reply(responder, "text/javascript; charset=utf-8", m_script);
    } else if (!posts) {
        reply(responder, "application/json", document(name));
    } else if (name == kPair) {
        pair(request, responder);
    } else {
        post(name, request.body(), std::move(responder));
    }
}

void PhoneRoutes::pair(const QHttpServerRequest& request, QHttpServerResponder& responder) {
    const QJsonObject asked = QJsonDocument::fromJson(request.body()).object();
    const RemoteAccess::Pairing pairing =
        m_access.pair(m_role, asked.value("code").toString().toStdString(),
                      asked.value("name").toString().toStdString(),
                      request.remoteAddress().toString().toStdString());
    if (!pairing.device) {
        replyJson(responder,
                  {{"error", QString::fromStdString(pairing.refusal)},
                   {"retry_after", static_cast<qint64>(pairing.retryAfter.count())}},
                  Status::Forbidden);
        return;
    }
    // The one moment the secret crosses the network: the README says so.
    replyJson(responder,
              {{"device", QString::fromStdString(pairing.device->id)},
               {"name", QString::fromStdString(pairing.device->name)},
               {"secret", QString::fromLatin1(pairing.device->secret.toHex())}},
              Status::Ok);
}

quint64 PhoneRoutes::keep(QHttpServerResponder responder) {
    const quint64 kept = m_nextKept++;
    m_kept.emplace(kept, Kept{responder.socket(), std::move(responder)});
    return kept;
}

void PhoneRoutes::answerLater(quint64 kept, const QJsonObject& object, Status status) {
    // The routes outlive every answer: they go only once the other threads' work has ended.
    QMetaObject::invokeMethod(
        this, [this, kept, object, status] { answer(kept, object, status); }, Qt::QueuedConnection);
}

void PhoneRoutes::answer(quint64 kept, const QJsonObject& object, Status status) {
    const auto waiting = m_kept.find(kept);
    if (waiting == m_kept.end()) {
        return;
    }
    Kept asked = std::move(waiting->second);
    m_kept.erase(waiting);
    // The client may have gone meanwhile, and its socket with it.
    if (asked.socket) {
        replyJson(asked.responder, object, status);
    }
}

} // namespace aerolap

#include "RemoteRoutes.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHttpServerRequest>
#include <QJsonDocument>
#include <QJsonObject>

namespace aerolap {

namespace {

const QString kPagePath = QStringLiteral("/remote");
const QString kScriptPath = QStringLiteral("/remote/remote.js");
const QString kStatePath = QStringLiteral("/remote/state");
const QString kPairPath = QStringLiteral("/remote/pair");
const QString kCommandPath = QStringLiteral("/remote/command");

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

} // namespace

void RemoteRoutes::reply(QHttpServerResponder& responder, const QByteArray& type,
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

void RemoteRoutes::replyJson(QHttpServerResponder& responder, const QJsonObject& object,
                             Status status) const {
    reply(responder, "application/json", QJsonDocument(object).toJson(QJsonDocument::Compact),
          status);
}

RemoteRoutes::RemoteRoutes(RemoteAccess& access, HandOver handOver, QObject* parent)
    : QObject(parent), m_access(access), m_handOver(std::move(handOver)),
      m_page(resource(QStringLiteral("remote.html"))),
      m_script(resource(QStringLiteral("hmac.js")) + resource(QStringLiteral("remote.js"))),
      m_contentPolicy(contentPolicyFor(m_page)), m_directorState("{}") {}

bool RemoteRoutes::owns(const QString& path) {
    return path == kPagePath || path == kScriptPath || path == kStatePath || path == kPairPath ||
           path == kCommandPath;
}

void RemoteRoutes::publishDirectorState(QByteArray json) {
    m_directorState = std::move(json);
}

void RemoteRoutes::handle(const QHttpServerRequest& request, QHttpServerResponder responder) {
    const QString path = request.url().path(QUrl::FullyEncoded);
    const bool posts = path == kPairPath || path == kCommandPath;
    const auto method = request.method();
    if (method != (posts ? QHttpServerRequest::Method::Post : QHttpServerRequest::Method::Get)) {
        responder.write({{"Allow", posts ? "POST" : "GET"}}, Status::MethodNotAllowed);
    } else if (posts && !sendsJson(request)) {
        // A form or plain text is what a page of another site can post without asking first.
        replyJson(responder, {{"error", QStringLiteral("The body must be application/json.")}},
                  Status::UnsupportedMediaType);
    } else if (path == kPagePath) {
        reply(responder, "text/html; charset=utf-8", m_page);
    } else if (path == kScriptPath) {
        reply(responder, "text/javascript; charset=utf-8", m_script);
    } else if (path == kStatePath) {
        reply(responder, "application/json", m_directorState);
    } else if (path == kPairPath) {
        pair(request.body(), responder);
    } else {
        command(request.body(), std::move(responder));
    }
}

void RemoteRoutes::pair(const QByteArray& body, QHttpServerResponder& responder) {
    const QJsonObject asked = QJsonDocument::fromJson(body).object();
    const RemoteAccess::Pairing pairing = m_access.pair(
        asked.value("code").toString().toStdString(), asked.value("name").toString().toStdString());
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

void RemoteRoutes::command(const QByteArray& body, QHttpServerResponder responder) {
    const CommandParse parsed = parseSignedCommand(body);
    if (!parsed.signedCommand) {
        replyJson(responder, {{"error", QString::fromStdString(parsed.error)}}, Status::BadRequest);
        return;
    }
    const RemoteAccess::Check check = m_access.check(*parsed.signedCommand);
    if (!check.deviceName) {
        replyJson(responder, {{"error", QString::fromStdString(check.refusal)}}, Status::Forbidden);
        return;
    }
    const quint64 pending = m_nextPending++;
    m_pending.emplace(pending, Pending{responder.socket(), std::move(responder)});
    // The routes outlive every answer: they go only once the timing thread's loop has ended.
    m_handOver(parsed.signedCommand->command, *check.deviceName,
               [this, pending](const RemoteOutcome& outcome) {
                   QMetaObject::invokeMethod(
                       this, [this, pending, outcome] { answer(pending, outcome); },
                       Qt::QueuedConnection);
               });
}

void RemoteRoutes::answer(quint64 pending, const RemoteOutcome& outcome) {
    const auto waiting = m_pending.find(pending);
    if (waiting == m_pending.end()) {
        return;
    }
    Pending asked = std::move(waiting->second);
    m_pending.erase(waiting);
    // The client may have gone meanwhile, and its socket with it.
    if (asked.socket) {
        replyJson(asked.responder,
                  {{outcome.done ? "done" : "error", QString::fromStdString(outcome.message)}},
                  outcome.done ? Status::Ok : Status::Conflict);
    }
}

} // namespace aerolap

#include "RemoteRoutes.h"

#include <QJsonObject>

namespace aerolap {

RemoteRoutes::RemoteRoutes(RemoteAccess& access, HandOver handOver, QObject* parent)
    : PhoneRoutes(access, DeviceRole::Director, QStringLiteral("/remote"),
                  QStringLiteral("remote.html"), QStringLiteral("remote.js"),
                  {QStringLiteral("state")}, {QStringLiteral("command")}, parent),
      m_handOver(std::move(handOver)), m_directorState("{}") {}

QByteArray RemoteRoutes::document(const QString&) const {
    return m_directorState;
}

void RemoteRoutes::post(const QString&, const QByteArray& body, QHttpServerResponder responder) {
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
    const quint64 kept = keep(std::move(responder));
    m_handOver(parsed.signedCommand->command, *check.deviceName,
               [this, kept](const RemoteOutcome& outcome) {
                   answerLater(
                       kept,
                       {{outcome.done ? "done" : "error", QString::fromStdString(outcome.message)}},
                       outcome.done ? Status::Ok : Status::Conflict);
               });
}

} // namespace aerolap

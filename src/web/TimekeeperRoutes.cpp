#include "TimekeeperRoutes.h"

#include <QJsonObject>

namespace aerolap {

namespace {
const QString kClaim = QStringLiteral("claim");
} // namespace

TimekeeperRoutes::TimekeeperRoutes(RemoteAccess& access, HandOver handOver, QObject* parent)
    : PhoneRoutes(access, DeviceRole::Timekeeper, QStringLiteral("/timekeeper"),
                  QStringLiteral("timekeeper.html"), QStringLiteral("timekeeper.js"),
                  {QStringLiteral("group")}, {kClaim, QStringLiteral("card")}, parent),
      m_handOver(std::move(handOver)), m_group("{}") {}

QByteArray TimekeeperRoutes::document(const QString&) const {
    return m_group;
}

TimekeeperRoutes::Reply TimekeeperRoutes::replyTo(quint64 kept) {
    return [this, kept](const PhoneAnswer& answer) {
        using Kind = PhoneAnswer::Kind;
        const bool taken = answer.kind == Kind::Taken;
        const Status status = taken                           ? Status::Ok
                              : answer.kind == Kind::Conflict ? Status::Conflict
                              : answer.kind == Kind::TryLater ? Status::ServiceUnavailable
                                                              : Status::UnprocessableEntity;
        answerLater(kept, {{taken ? "taken" : "error", QString::fromStdString(answer.message)}},
                    status);
    };
}

template <typename Message, typename Carry>
void TimekeeperRoutes::pass(const MessageParse<Message>& parse, QHttpServerResponder& responder,
                            Carry carry) {
    if (!parse.parsed) {
        replyJson(responder, {{"error", QString::fromStdString(parse.error)}}, Status::BadRequest);
        return;
    }
    const auto& message = *parse.parsed;
    const RemoteAccess::Check check =
        m_access.checkTimekeeper(message.device, message.text, message.signature);
    if (!check.deviceName) {
        replyJson(responder, {{"error", QString::fromStdString(check.refusal)}}, Status::Forbidden);
        return;
    }
    carry(message, *check.deviceName, replyTo(keep(std::move(responder))));
}

void TimekeeperRoutes::post(const QString& name, const QByteArray& body,
                            QHttpServerResponder responder) {
    if (name == kClaim) {
        pass(
            parseClaim(body), responder,
            [this](const SignedMessage<PilotClaim>& claim, const std::string& device, Reply reply) {
                m_handOver.claim(claim.device, device, claim.message, std::move(reply));
            });
        return;
    }
    pass(parseCard(body), responder,
         [this](const SignedMessage<PhoneCard>& card, const std::string& device, Reply reply) {
             PhoneCard taken = card.message;
             taken.origin.device = device;
             m_handOver.card(card.device, std::move(taken), std::move(reply));
         });
}

} // namespace aerolap

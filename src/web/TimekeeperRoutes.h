#pragma once

#include "PhoneRoutes.h"
#include "remote/TimekeeperMessages.h"

#include <functional>

namespace aerolap {

/// The timekeepers' card page on the pilots' display server's thread: the page, pairing in the
/// timekeeper's role, the group in hand, and the signed claims and cards under /timekeeper. It
/// checks who sends (RemoteAccess) and what the body holds, and hands each checked message over to
/// the GUI thread, answering with what became of it there: a card only once it is saved.
class TimekeeperRoutes final : public PhoneRoutes {
public:
    using Reply = std::function<void(const PhoneAnswer&)>;
    /// Carry a checked message to the GUI thread, where `reply` is called with what became of it:
    /// the device's id and name, and the message.
    struct HandOver {
        std::function<void(std::string device, std::string name, PilotClaim claim, Reply reply)>
            claim;
        std::function<void(std::string device, PhoneCard card, Reply reply)> card;
    };

    TimekeeperRoutes(RemoteAccess& access, HandOver handOver, QObject* parent = nullptr);

    /// The group in hand as the page shows it, as JSON.
    void publishGroup(QByteArray json) { m_group = std::move(json); }

private:
    QByteArray document(const QString& name) const override;
    void post(const QString& name, const QByteArray& body, QHttpServerResponder responder) override;
    /// Checks the message's device and signature, then hands it over through `carry`.
    template <typename Message, typename Carry>
    void pass(const MessageParse<Message>& parse, QHttpServerResponder& responder, Carry carry);
    Reply replyTo(quint64 kept);

    HandOver m_handOver;
    QByteArray m_group;
};

} // namespace aerolap

#pragma once

#include "scores/PhoneCard.h"

#include <QByteArray>
#include <optional>
#include <string>

namespace aerolap {

/// A message of a timekeeper's phone as it arrived: the device that says it sent it, the message,
/// the text its signature covers and the signature (lower-case hex).
template <typename Message> struct SignedMessage {
    std::string device;
    Message message;
    QByteArray text;
    QByteArray signature;
};

/// A body that is one message, or why it is not, for a 400 answer.
template <typename Message> struct MessageParse {
    std::optional<SignedMessage<Message>> parsed;
    std::string error;
};

/// `{"device", "round", "group", "pilot", "signature"}`, signed as the lines "aerolap-claim-1",
/// the device, the round, the group and the pilot (round and group counted from 1).
MessageParse<PilotClaim> parseClaim(const QByteArray& body);

/// `{"device", "card", "made", "round", "group", "pilot", "flights", "signed_by", "signature"}`,
/// signed as the lines "aerolap-card-1", the device, the card's id, `made`, the round, the group,
/// the pilot, the flights (`seconds@launched_at`, or `seconds`, separated by spaces) and the
/// pilot's signature. Every field is bounded: a card's id is 32 hex digits, times are whole
/// seconds within a day, names are short.
MessageParse<PhoneCard> parseCard(const QByteArray& body);

} // namespace aerolap

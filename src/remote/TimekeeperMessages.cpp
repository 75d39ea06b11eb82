#include "TimekeeperMessages.h"

#include "RemoteAccess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace aerolap {

namespace {

// Rounds and groups of any real contest day fit many times over; so do a pilot's flights.
constexpr int kLargestPlace = 999;
constexpr qsizetype kMostFlights = 100;
constexpr int kLongestTime = 24 * 60 * 60;
constexpr qsizetype kLongestPilotName = 100;

/// Thrown for a field that does not hold what it must; the reason goes back to the phone.
struct BadMessage {
    std::string reason;
};

std::optional<int> wholeNumber(const QJsonValue& value, int low, int high) {
    const int number = value.toInt(low - 1);
    if (!value.isDouble() || value.toDouble() != number || number < low || number > high) {
        return std::nullopt;
    }
    return number;
}

int place(const QJsonObject& object, const char* key) {
    if (const auto number = wholeNumber(object.value(QLatin1StringView(key)), 1, kLargestPlace)) {
        return *number - 1;
    }
    throw BadMessage{std::string("no ") + key + " (a whole number from 1)"};
}

std::string pilotOf(const QJsonObject& object) {
    const QString pilot = object.value(QStringLiteral("pilot")).toString();
    if (pilot.isEmpty() || pilot.size() > kLongestPilotName) {
        throw BadMessage{"no pilot"};
    }
    return pilot.toStdString();
}

std::string deviceOf(const QJsonObject& object) {
    return object.value(QStringLiteral("device")).toString().toStdString();
}

QByteArray signatureOf(const QJsonObject& object) {
    return object.value(QStringLiteral("signature")).toString().toLatin1();
}

QJsonObject objectOf(const QByteArray& body) {
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (!document.isObject()) {
        throw BadMessage{"not a JSON object"};
    }
    return document.object();
}

QByteArray lines(std::initializer_list<std::string> each) {
    QByteArray text;
    for (const std::string& line : each) {
        text += (text.isEmpty() ? "" : "\n") + QByteArray::fromStdString(line);
    }
    return text;
}

Flight flightOf(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    const auto seconds = wholeNumber(object.value(QStringLiteral("seconds")), 0, kLongestTime);
    if (!value.isObject() || !seconds) {
        throw BadMessage{"a flight without its whole seconds"};
    }
    Flight flight{*seconds};
    if (const QJsonValue launched = object.value(QStringLiteral("launched_at"));
        !launched.isUndefined()) {
        flight.launchedAt = wholeNumber(launched, 0, kLongestTime);
        if (!flight.launchedAt) {
            throw BadMessage{"a flight's launch is not a whole number of seconds"};
        }
    }
    return flight;
}

std::string flightsText(const std::vector<Flight>& flights) {
    std::string text;
    for (const Flight& flight : flights) {
        text += (text.empty() ? "" : " ") + std::to_string(flight.seconds) +
                (flight.launchedAt ? "@" + std::to_string(*flight.launchedAt) : "");
    }
    return text;
}

template <typename Message, typename Read>
MessageParse<Message> parsed(const QByteArray& body, Read read) {
    try {
        return {read(objectOf(body)), {}};
    } catch (const BadMessage& bad) {
        return {std::nullopt, bad.reason};
    }
}

} // namespace

MessageParse<PilotClaim> parseClaim(const QByteArray& body) {
    return parsed<PilotClaim>(body, [](const QJsonObject& object) {
        const std::string device = deviceOf(object);
        PilotClaim claim{place(object, "round"), place(object, "group"), pilotOf(object)};
        const QByteArray text = lines({"aerolap-claim-1", device, std::to_string(claim.round + 1),
                                       std::to_string(claim.group + 1), claim.pilot});
        return SignedMessage<PilotClaim>{device, std::move(claim), text, signatureOf(object)};
    });
}

MessageParse<PhoneCard> parseCard(const QByteArray& body) {
    return parsed<PhoneCard>(body, [](const QJsonObject& object) {
        const std::string device = deviceOf(object);
        static const QRegularExpression kCardId(QStringLiteral("^[0-9a-f]{32}$"));
        const QString id = object.value(QStringLiteral("card")).toString();
        if (!kCardId.match(id).hasMatch()) {
            throw BadMessage{"no card id (32 hex digits)"};
        }
        bool isNumber = false;
        const QString madeText = object.value(QStringLiteral("made")).toString();
        const std::uint64_t made = madeText.toULongLong(&isNumber);
        if (!isNumber || madeText != QString::number(made)) {
            throw BadMessage{"no moment the card was made"};
        }
        const QJsonValue flights = object.value(QStringLiteral("flights"));
        if (!flights.isArray() || flights.toArray().size() > kMostFlights) {
            throw BadMessage{"no list of flights"};
        }
        const std::string signedBy =
            object.value(QStringLiteral("signed_by")).toString().toStdString();
        if (RemoteAccess::cleanName(signedBy) != signedBy || signedBy.empty()) {
            throw BadMessage{"the pilot has not signed the card"};
        }
        PhoneCard card{{id.toStdString(), made, {}, signedBy},
                       place(object, "round"),
                       place(object, "group"),
                       pilotOf(object),
                       {}};
        for (const QJsonValue& flight : flights.toArray()) {
            card.flights.push_back(flightOf(flight));
        }
        const QByteArray text =
            lines({"aerolap-card-1", device, card.origin.id, madeText.toStdString(),
                   std::to_string(card.round + 1), std::to_string(card.group + 1), card.pilot,
                   flightsText(card.flights), signedBy});
        return SignedMessage<PhoneCard>{device, std::move(card), text, signatureOf(object)};
    });
}

} // namespace aerolap

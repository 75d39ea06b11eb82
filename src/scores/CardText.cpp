#include "CardText.h"

#include "scoring/ScoreText.h"

#include <QtGlobal>

namespace aerolap {

namespace {

template <typename Part> std::string joined(const Card& card, Part part) {
    std::string text;
    for (const Flight& flight : card.flights) {
        text += (text.empty() ? "" : " ") + part(flight);
    }
    return text;
}

} // namespace

std::string flightTimes(const Card& card) {
    return joined(card, [](const Flight& flight) { return shownTime(flight.seconds); });
}

std::string flightTargets(const Card& card) {
    return joined(card, [](const Flight& flight) { return shownTime(flight.target); });
}

std::string flightsText(const Card& card) {
    return joined(card, [](const Flight& flight) {
        return shownTime(flight.seconds) +
               (flight.target > 0 ? "/" + shownTime(flight.target) : std::string());
    });
}

const char* cardMark(const Card& card) {
    switch (card.mark) {
    case CardMark::Unsigned:
        return QT_TRANSLATE_NOOP("Results", "unsigned");
    case CardMark::NoShow:
        return QT_TRANSLATE_NOOP("Results", "no-show");
    case CardMark::Signed:
        break;
    }
    return card.grantedReflight ? QT_TRANSLATE_NOOP("Results", "re-flight") : "";
}

std::string cardText(const Card& card) {
    std::string text = flightsText(card);
    if (text.empty()) {
        text = "no flights";
    }
    if (card.penalty != 0) {
        text += ", penalty " + std::to_string(card.penalty);
    }
    if (card.mark == CardMark::Unsigned) {
        text += ", unsigned";
    } else if (card.mark == CardMark::NoShow) {
        text += ", no-show";
    }
    return text;
}

} // namespace aerolap

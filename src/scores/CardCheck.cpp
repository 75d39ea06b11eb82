#include "CardCheck.h"

#include "scoring/ScoreText.h"

#include <QCoreApplication>

namespace aerolap {

namespace {

/// The texts of this file, as the catalogues hold them (lupdate reads `CardCheckText::tr`).
struct CardCheckText {
    Q_DECLARE_TR_FUNCTIONS(CardCheck)
};

QString time(int seconds) {
    return QString::fromStdString(shownTime(seconds));
}

std::optional<std::string> flightFault(const Flight& flight, int number, const RoundRules& rules) {
    const auto said = [number](const QString& text, const QString& a = {}, const QString& b = {}) {
        QString message = text.arg(number);
        if (!a.isEmpty()) {
            message = message.arg(a, b);
        }
        return message.toStdString();
    };
    if (flight.seconds < 0 || flight.afterWorkingTime < 0 || flight.launchedAt.value_or(0) < 0) {
        return said(CardCheckText::tr("Flight %1 has a negative time."));
    }
    if (flight.seconds > rules.workingTime) {
        return said(CardCheckText::tr("Flight %1 (%2) is longer than the working time of %3."),
                    time(flight.seconds), time(rules.workingTime));
    }
    if (flight.afterWorkingTime > flight.seconds || flight.launchedAt > rules.workingTime) {
        return said(
            CardCheckText::tr("Flight %1 ends past the working time by more than it lasted."));
    }
    if (rules.counting == Counting::Poker && flight.target <= 0) {
        return said(
            CardCheckText::tr("Flight %1 has no target: in poker each flight has the target named "
                              "before it."));
    }
    if (flight.target > rules.workingTime) {
        return said(CardCheckText::tr(
                        "The target of flight %1 (%2) is longer than the working time of %3."),
                    time(flight.target), time(rules.workingTime));
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> cardFault(const Card& card, const RoundRules& rules) {
    const int flights = static_cast<int>(card.flights.size());
    if (rules.launches && flights > *rules.launches) {
        return CardCheckText::tr("Task %1 allows at most %n flight(s).", nullptr, *rules.launches)
            .arg(QChar::fromLatin1(rules.task))
            .toStdString();
    }
    for (int i = 0; i < flights; ++i) {
        if (auto fault = flightFault(card.flights[static_cast<std::size_t>(i)], i + 1, rules)) {
            return fault;
        }
    }
    if (card.penalty < 0) {
        return CardCheckText::tr("A penalty is points taken off: it cannot be negative.")
            .toStdString();
    }
    return std::nullopt;
}

} // namespace aerolap

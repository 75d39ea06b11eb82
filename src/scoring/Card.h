#pragma once

#include <optional>
#include <vector>

namespace aerolap {

/// One flight as the timekeeper or a phone recorded it, in whole seconds (fractions dropped).
/// The seconds flown after the end of the working time do not count; either side may say where
/// that end fell: the laptop's timekeeper notes the seconds flown past it, a phone knows the
/// moment of the launch.
struct Flight {
    int seconds = 0;
    /// Seconds from the start of the working time to the launch, when known.
    std::optional<int> launchedAt{};
    /// Of `seconds`, those flown after the end of the working time.
    int afterWorkingTime = 0;
    /// Poker (task E): the time the pilot named before this attempt.
    int target = 0;

    friend bool operator==(const Flight&, const Flight&) = default;
};

enum class CardMark {
    Signed,
    /// Pilot and timekeeper did not sign it: the round scores 0.
    Unsigned,
    /// The pilot did not fly: the round scores 0 and is not a completed round.
    NoShow,
};

/// A pilot's card for one round and group: the flights in the order flown, penalty points
/// entered against the round, and whether it stands.
struct Card {
    int pilot = 0;
    std::vector<Flight> flights{};
    int penalty = 0;
    CardMark mark = CardMark::Signed;
    /// This card is the re-flight the jury granted its pilot, in a re-flight group of the round.
    bool grantedReflight = false;

    friend bool operator==(const Card&, const Card&) = default;
};

} // namespace aerolap

#pragma once

#include "scoring/Card.h"

#include <cstdint>
#include <string>
#include <vector>

namespace aerolap {

/// Where a card handed in from a timekeeper's phone came from, kept with the card so that a copy
/// sent again is known for what it is and changes nothing.
struct PhoneCardOrigin {
    /// The card's own id, made on the phone when the card was made.
    std::string id;
    /// When the phone signed this version, by its own clock: a later version has a later one.
    std::uint64_t made = 0;
    /// The phone's name, as it was paired.
    std::string device;
    /// The pilot's name or initials, signed on the phone under the card's content.
    std::string signedBy;

    friend bool operator==(const PhoneCardOrigin&, const PhoneCardOrigin&) = default;
};

/// A pilot's card as a timekeeper's phone hands it in: its origin, the round and group (counted
/// from 0), the pilot by the draw's name, and the flights in the order flown.
struct PhoneCard {
    PhoneCardOrigin origin;
    int round = 0;
    int group = 0;
    std::string pilot;
    std::vector<Flight> flights;
};

/// A timekeeper's phone takes the pilot it times in a group (round and group counted from 0).
struct PilotClaim {
    int round = 0;
    int group = 0;
    std::string pilot;
};

/// What the laptop answers a timekeeper's phone.
struct PhoneAnswer {
    enum class Kind {
        /// Kept: the card is saved on the laptop (or was already), and the phone may forget it.
        Taken,
        /// Never taken as it is: the reason says why.
        Refused,
        /// Not taken because of what was done at the laptop or by another phone (a confirmed
        /// group, a pilot another phone times): the director settles it.
        Conflict,
        /// Not taken now: the phone sends it again later.
        TryLater,
    };
    Kind kind = Kind::Refused;
    std::string message;
};

} // namespace aerolap

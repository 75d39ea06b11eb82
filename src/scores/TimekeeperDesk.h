#pragma once

#include "PhoneCard.h"
#include "ScoresSession.h"
#include "elements/Signal.h"
#include "schedule/ScheduleRunner.h"

#include <functional>
#include <map>
#include <string>
#include <tuple>

namespace aerolap {

/// Where the timekeepers' phones meet the scores, on the GUI thread: which phone times which
/// pilot, taken in the group in hand, each pilot by one phone; and the cards the phones hand in,
/// held to those claims before the scores take them. The claims last while the program runs: a
/// phone whose claim was lost takes the pilot again, and a card of a pilot nobody claims is taken.
class TimekeeperDesk {
public:
    /// Whether the device of this id is still paired: a revoked phone's claims are free.
    using StillPaired = std::function<bool(const std::string& device)>;

    TimekeeperDesk(ScoresSession& scores, const ScheduleRunner& runner, StillPaired stillPaired);

    /// The phone `device` (its id; `name` as paired) times the pilot, in place of any other
    /// pilot it timed in the group.
    PhoneAnswer claim(const std::string& device, const std::string& name, const PilotClaim& claim);
    /// Takes the card of the phone `device` (its id); `answer` as `ScoresSession::takeFromPhone`.
    void takeCard(const std::string& device, PhoneCard card,
                  std::function<void(PhoneAnswer)> answer);

    /// The name of the phone that times each pilot of the group, by the pilot's name.
    std::map<std::string, std::string> timekeepersOf(int round, int group) const;

    /// Raised after a claim changes who times whom.
    Signal<> claimsChanged;

private:
    struct Claim {
        std::string device;
        std::string name;
    };
    using Key = std::tuple<int, int, std::string>;
    /// The claim on the pilot by another phone still paired, if any.
    const Claim* othersClaim(const Key& key, const std::string& device) const;

    ScoresSession& m_scores;
    const ScheduleRunner& m_runner;
    StillPaired m_stillPaired;
    std::map<Key, Claim> m_claims;
};

} // namespace aerolap

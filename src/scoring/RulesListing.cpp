#include "RulesListing.h"

#include "ScoreText.h"

namespace aerolap {

namespace {

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

std::string droppedText(const std::vector<DropStep>& steps) {
    std::vector<std::string> parts;
    for (const DropStep& step : steps) {
        parts.push_back(std::to_string(step.dropped) + " from " + std::to_string(step.fromRounds) +
                        " rounds");
    }
    return parts.empty() ? "none" : joined(parts);
}

std::string flights(int count, const std::string& which) {
    return count == 1 ? "the " + which + " flight"
                      : "the " + which + " " + std::to_string(count) + " flights";
}

std::string countedText(const RoundRules& rules) {
    switch (rules.counting) {
    case Counting::LastFlights:
        return flights(rules.counted, "last");
    case Counting::LongestFlights:
        return flights(rules.counted, "longest");
    case Counting::EveryFlight:
        return "every flight";
    case Counting::BestTargetMatch:
        return "the longest flights against the targets, as they score most";
    case Counting::Ladder:
        return "the flights in order against the targets";
    case Counting::Poker:
        return "the pilot's targets reached, at most " + std::to_string(rules.counted);
    }
    return {};
}

} // namespace

std::vector<Setting> settingsOf(const ContestRules& rules) {
    const bool reflownTakesIt = rules.reflight == ReflightRule::ReflownPilotTakesReflight;
    const std::string members = std::to_string(rules.teamMembersCounted);
    return {
        {"Rounds dropped", droppedText(rules.droppedRounds)},
        {"Completed rounds for a final score", std::to_string(rules.minimumRounds)},
        {"Penalty points that disqualify", "over " + std::to_string(rules.penaltyLimit)},
        {"Re-flight", reflownTakesIt ? "the re-flown pilot takes the re-flight's score, the "
                                       "others in its group the better of their two"
                                     : "everyone in the re-flight group keeps the better of "
                                       "their two scores"},
        {"Team result", rules.team == TeamRule::NominatedMembers
                            ? "the sum of " + members + " nominated members' totals"
                            : "the sum of the best " + members + " members' totals"},
        {"Fly-off rounds dropped", droppedText(rules.droppedFlyOffRounds)},
        {"Poker targets counted", "at most " + std::to_string(rules.pokerTargets)},
        {"Task D",
         rules.taskD == TaskDForm::TwoFlights ? "two flights" : "ladder of 30 s to 120 s in order"},
    };
}

std::vector<Setting> settingsOf(const RoundRules& rules) {
    std::vector<Setting> settings{
        {"Task", std::string(1, rules.task)},
        {"Working time", shownTime(rules.workingTime)},
        {"Counted", countedText(rules)},
        {"Flights allowed", rules.launches ? std::to_string(*rules.launches) : "any number"},
        {"Most a flight counts", rules.cap ? shownTime(*rules.cap) : "the working time"},
    };
    if (!rules.targets.empty()) {
        std::vector<std::string> targets;
        for (const int target : rules.targets) {
            targets.push_back(shownTime(target));
        }
        settings.push_back({"Targets", joined(targets)});
    }
    return settings;
}

} // namespace aerolap

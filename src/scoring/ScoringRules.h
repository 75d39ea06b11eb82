#pragma once

#include <optional>
#include <vector>

namespace aerolap {

/// From this many rounds entered, this many of a pilot's lowest round scores are dropped.
struct DropStep {
    int fromRounds = 0;
    int dropped = 0;

    friend bool operator==(const DropStep&, const DropStep&) = default;
};

/// Whose score a re-flight group decides.
enum class ReflightRule {
    /// The pilot granted the re-flight takes its score; those who only fill the group keep the
    /// better of their two.
    ReflownPilotTakesReflight,
    BetterOfTwoForEveryone,
};

/// Which members' totals make a team's result.
enum class TeamRule {
    NominatedMembers,
    BestMembers,
};

/// Task D as the rule book's edition has it.
enum class TaskDForm {
    TwoFlights,
    /// The older ladder: 30 s to 120 s in steps of 15 s, in order.
    Ladder,
};

/// How a contest turns round scores into results. Rule-book editions and contests differ on each
/// of these, so none is fixed in the code: the defaults are the usual FAI values, and the results
/// list them (settingsOf). The tasks' own numbers live in each round's RoundRules.
struct ContestRules {
    std::vector<DropStep> droppedRounds{{5, 1}, {9, 2}, {14, 3}, {19, 4}, {24, 5}};
    std::vector<DropStep> droppedFlyOffRounds{{5, 1}};
    /// Rounds a pilot must complete for a valid final score.
    int minimumRounds = 3;
    /// More penalty points than this, over the whole contest, disqualify.
    int penaltyLimit = 300;
    ReflightRule reflight = ReflightRule::ReflownPilotTakesReflight;
    TeamRule team = TeamRule::NominatedMembers;
    int teamMembersCounted = 3;
    /// The most targets a pilot's poker round (task E) counts.
    int pokerTargets = 3;
    TaskDForm taskD = TaskDForm::TwoFlights;

    friend bool operator==(const ContestRules&, const ContestRules&) = default;
};

/// How many of `rounds` rounds are dropped under `steps`.
int droppedFor(const std::vector<DropStep>& steps, int rounds);

/// Which of a card's flights make the raw score.
enum class Counting {
    LastFlights,
    LongestFlights,
    EveryFlight,
    /// The longest flights set against the targets in the way that scores most (task H).
    BestTargetMatch,
    /// Flights in the order flown, each against the target of its step.
    Ladder,
    /// Each flight against the target the pilot named for it; a reached target counts whole.
    Poker,
};

/// One round's task as scored: which flights count and the most each may count. Every field has
/// the task's usual value (defaultRoundRules) and may be changed for the round. Times in seconds.
struct RoundRules {
    char task = 'A';
    /// For the all-up task, the window of each flight.
    int workingTime = 600;
    Counting counting = Counting::LastFlights;
    /// How many of the last or longest flights count, or in poker how many reached targets; the
    /// other countings take every flight allowed, or one flight for each target.
    int counted = 1;
    /// The most flights a card may hold; later ones are not scored. None: any number.
    std::optional<int> launches{};
    /// The most any one flight counts. None: only the working time and the targets limit it.
    std::optional<int> cap{};
    /// For BestTargetMatch and Ladder, in the rule book's order.
    std::vector<int> targets{};

    friend bool operator==(const RoundRules&, const RoundRules&) = default;
};

/// The usual rules of task `task` (A to N) with this working time, under the contest's edition;
/// none for a letter that is no task.
std::optional<RoundRules> defaultRoundRules(char task, int workingTime,
                                            const ContestRules& contest);

} // namespace aerolap

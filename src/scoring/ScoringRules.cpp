#include "ScoringRules.h"

#include <utility>

namespace aerolap {

namespace {
// Task B's flights count less when its working time is shortened from 10 minutes.
constexpr int kFullWorkingTime = 600;
} // namespace

int droppedFor(const std::vector<DropStep>& steps, int rounds) {
    int dropped = 0;
    for (const DropStep& step : steps) {
        if (rounds >= step.fromRounds && step.dropped > dropped) {
            dropped = step.dropped;
        }
    }
    return dropped;
}

std::optional<RoundRules> defaultRoundRules(char task, int workingTime,
                                            const ContestRules& contest) {
    RoundRules rules{task, workingTime, Counting::LastFlights, 1, std::nullopt, std::nullopt, {}};
    const auto counting = [&rules](Counting how, int counted, std::optional<int> cap) {
        rules.counting = how;
        rules.counted = counted;
        rules.cap = cap;
    };
    const auto againstTargets = [&rules](Counting how, std::vector<int> targets) {
        rules.counting = how;
        rules.counted = static_cast<int>(targets.size());
        rules.targets = std::move(targets);
    };
    switch (task) {
    case 'A':
        counting(Counting::LastFlights, 1, 300);
        break;
    case 'B':
        counting(Counting::LastFlights, 2, workingTime < kFullWorkingTime ? 180 : 240);
        break;
    case 'C':
        counting(Counting::EveryFlight, 3, 180);
        rules.launches = 3;
        break;
    case 'D':
        if (contest.taskD == TaskDForm::Ladder) {
            againstTargets(Counting::Ladder, {30, 45, 60, 75, 90, 105, 120});
        } else {
            counting(Counting::EveryFlight, 2, 300);
        }
        rules.launches = rules.counted;
        break;
    case 'E':
        counting(Counting::Poker, contest.pokerTargets, std::nullopt);
        break;
    case 'F':
        counting(Counting::LongestFlights, 3, 180);
        rules.launches = 6;
        break;
    case 'G':
        counting(Counting::LongestFlights, 5, 120);
        break;
    case 'H':
        againstTargets(Counting::BestTargetMatch, {60, 120, 180, 240});
        break;
    case 'I':
        counting(Counting::LongestFlights, 3, 200);
        break;
    case 'J':
        counting(Counting::LastFlights, 3, 180);
        break;
    case 'K':
        againstTargets(Counting::Ladder, {60, 90, 120, 150, 180});
        rules.launches = rules.counted;
        break;
    case 'L':
        counting(Counting::LongestFlights, 1, 599);
        rules.launches = 1;
        break;
    case 'M':
        againstTargets(Counting::Ladder, {180, 300, 420});
        rules.launches = rules.counted;
        break;
    case 'N':
        counting(Counting::LongestFlights, 1, 599);
        break;
    default:
        return std::nullopt;
    }
    return rules;
}

} // namespace aerolap

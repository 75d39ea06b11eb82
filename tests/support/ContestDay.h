#pragma once

#include "scoring/Card.h"

#include <initializer_list>

namespace aerolap::testing {

/// A small contest day with its draw: round 1 task A in two groups, round 2 poker in two, round 3
/// the all-up task with three flights in one group; four pilots in two teams, one of whose names
/// needs quoting in a CSV file and one is not ASCII. Short times, for cycles that run quickly.
inline constexpr char kContestDay[] = R"({"name": "Club cup", "date": "2026-06-13",
    "preparation": "00.00.10", "gap": "00.00.05",
    "rounds": [{"task": "A", "working": "00.07.00", "groups": 2},
               {"task": "E", "working": "00.10.00", "groups": 2},
               {"task": "C", "working": "00.03.03", "groups": 1, "flights": 3}],
    "draw": {"pilots": [{"name": "Anna", "team": "Club A"}, {"name": "Bruno", "team": "Club A"},
                        {"name": "Carla, Jr.", "team": "Club B"}, {"name": "Dário", "team": "Club B"}],
             "rounds": [[["Anna", "Bruno"], ["Carla, Jr.", "Dário"]],
                        [["Anna", "Carla, Jr."], ["Bruno", "Dário"]],
                        [["Anna", "Bruno", "Carla, Jr.", "Dário"]]]}})";

enum : int { kAnna, kBruno, kCarla, kDario };

/// A signed card of `pilot` with these flight times in seconds.
inline Card cardOf(int pilot, std::initializer_list<int> seconds, int penalty = 0) {
    Card card{pilot, {}, penalty, CardMark::Signed, false};
    for (const int each : seconds) {
        card.flights.push_back({each, std::nullopt, 0, 0});
    }
    return card;
}

} // namespace aerolap::testing

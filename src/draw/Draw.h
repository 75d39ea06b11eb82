#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace aerolap {

struct DrawPilot {
    std::string name;
    /// Empty when the pilot flies for no team.
    std::string team;
    /// The first round the pilot no longer flies in, counted from 0, once withdrawn.
    std::optional<int> withdrawnFrom;

    friend bool operator==(const DrawPilot&, const DrawPilot&) = default;
};

/// How a draw was generated, kept so that the rounds not yet flown can be drawn again the same
/// way. Exactly one of the group size and the number of groups is set.
struct DrawSettings {
    int groupSize = 0;
    int groups = 0;
    std::uint64_t seed = 1;

    friend bool operator==(const DrawSettings&, const DrawSettings&) = default;
};

/// The pilots of each group, as indices into the draw's pilots.
using DrawnGroup = std::vector<int>;
/// The groups of one round in order; empty for a round that has no draw.
using DrawnRound = std::vector<DrawnGroup>;

/// Who flies in which group of each round. Knows nothing of times, files or the schedule's other
/// fields: the schedule holds it, and checks that each drawn round has the schedule's groups.
struct Draw {
    std::vector<DrawPilot> pilots;
    std::vector<DrawnRound> rounds;
    /// Set when the draw was generated here rather than imported.
    std::optional<DrawSettings> generation;
    /// How many groups at the end of each round were added for re-flights after the draw (none
    /// where the list stops short): their pilots flew in the round already, and fly it again.
    std::vector<int> reflightGroups;

    friend bool operator==(const Draw&, const Draw&) = default;
};

/// The index of the pilot called `name`, if the draw has one.
std::optional<int> pilotIndex(const Draw& draw, const std::string& name);

/// The pilots of group `group` of round `round`, by name; none where nothing is drawn.
std::vector<std::string> pilotsOf(const Draw& draw, int round, int group);

/// How many times each two pilots fly in the same group: `meetings[a][b]`.
std::vector<std::vector<int>> meetingsOf(const Draw& draw);

/// How even a draw came out: the most and fewest times two pilots meet, over the pairs that may
/// meet (both still flying, not team-mates).
struct Evenness {
    int fewest = 0;
    int most = 0;
    int spread() const { return most - fewest; }
};
Evenness evennessOf(const Draw& draw);

} // namespace aerolap

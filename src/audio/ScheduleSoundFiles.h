#pragma once

#include "SoundFiles.h"
#include "SoundLengths.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace aerolap::sounds {

// The contest schedule's announcements, in a folder of their own beside the cycle's. They are
// optional: a missing one stays silent instead of sounding the alert. Each one's longest
// duration is the one the default set is generated to fit (sounds/manifest.txt), so that the
// announcer can tell whether it ends before the next cue of the cycle.

inline constexpr const char* kRound = R"(c:\schedule\round.wav)";
inline constexpr const char* kGroup = R"(c:\schedule\group.wav)";
inline constexpr const char* kFlight = R"(c:\schedule\flight.wav)";
inline constexpr const char* kTestFlights = R"(c:\schedule\test flights.wav)";
inline constexpr const char* kNoFlying = R"(c:\schedule\no flying.wav)";
inline constexpr int kHighestNumber = 30;

inline constexpr Seconds kWordLength{0.9};
inline constexpr Seconds kNumberLength{1.4};
inline constexpr Seconds kWindowCallLength{1.9};

/// The spoken number, 1 to `kHighestNumber`.
inline std::string numberCue(int number) {
    return R"(c:\schedule\)" + std::to_string(number) + ".wav";
}

/// A sound file the program plays and the longest it may last.
struct CueAndLongest {
    std::string cue;
    Seconds longest;
};

/// Every sound file the program plays with its longest length, the cycle's (`kAll`) before the
/// schedule's, for the checks that walk the whole set.
inline std::vector<CueAndLongest> everyCueAndLongest() {
    std::vector<CueAndLongest> cues;
    for (const std::string_view cue : kAll) {
        cues.push_back({std::string(cue), longestLength(cue)});
    }
    cues.insert(cues.end(), {{kRound, kWordLength},
                             {kGroup, kWordLength},
                             {kFlight, kWordLength},
                             {kTestFlights, kWindowCallLength},
                             {kNoFlying, kWindowCallLength}});
    for (int number = 1; number <= kHighestNumber; ++number) {
        cues.push_back({numberCue(number), kNumberLength});
    }
    return cues;
}

/// Every sound file the program plays, in the order of `everyCueAndLongest`.
inline std::vector<std::string> everyCue() {
    std::vector<std::string> cues;
    for (CueAndLongest& each : everyCueAndLongest()) {
        cues.push_back(std::move(each.cue));
    }
    return cues;
}

} // namespace aerolap::sounds

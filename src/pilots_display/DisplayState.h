#pragma once

#include "engine/CycleSnapshot.h"

#include <optional>
#include <string>
#include <vector>

namespace aerolap {

/// Where a contest schedule stands, for the pilots: round, group and flight counted from 1, the
/// round's task, the preparation's window ("test", "no_fly" or none) and the cycle after this.
/// With a draw, also who flies: the pilots of the group in hand (in the air, or the next to start)
/// and of the group after it, on deck, and when the next START is due.
struct ScheduledCycle {
    int round = 0;
    int group = 0;
    int flight = 0;
    std::string task;
    std::string window;
    std::string next;
    /// The version of the draw document these refer to; 0 without a draw.
    int drawVersion = 0;
    std::vector<std::string> pilots{};
    std::vector<std::string> onDeck{};
    /// Where the on-deck group's first flight is in the draw document's cycles.
    std::optional<int> onDeckCycle{};
    /// Seconds from now to the next START, while the schedule counts towards one, and which of the
    /// draw document's cycles it begins.
    std::optional<int> startIn{};
    int startCycle = 0;

    friend bool operator==(const ScheduledCycle&, const ScheduledCycle&) = default;
};

/// What a pilot sees of the timer from afar: the time display's caption, the status line's
/// caption (without the blank that tells the window's two READY apart) and the phase of the
/// cycle. A copy, so it can travel without touching the window.
struct DisplayState {
    std::string time;
    std::string status;
    CyclePhase phase = CyclePhase::Ready;
    /// Only while a schedule is loaded.
    std::optional<ScheduledCycle> schedule;
    /// The version of the results document the page can fetch; 0 while there is none.
    int resultsVersion = 0;

    friend bool operator==(const DisplayState&, const DisplayState&) = default;
};

DisplayState displayStateOf(const CycleSnapshot& cycle);

} // namespace aerolap

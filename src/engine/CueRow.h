#pragma once

#include "CueLatches.h"
#include "Form1.h"
#include "audio/CuePlayer.h"

#include <array>
#include <span>
#include <vector>

namespace aerolap {

/// One timed announcement of a poll, as a line of data: the running clock's text it waits for,
/// the boxes that must be ticked, the latch that lets it sound once per phase, and its file.
struct CueRow {
    using Gate = CheckBox Form1::*;

    const char* timeText;
    /// Every box named here must hold exactly 1; an empty entry asks for nothing.
    std::array<Gate, 2> gates;
    CueLatches::Latch latch;
    const char* file;
};

/// Where a cue starts, as the seconds the running clock shows then, and its file: what another
/// announcer must keep clear of.
struct TimedCue {
    int secondsLeft;
    const char* file;
};

/// A poll's cue rows and the cue its end plays when the time runs out.
struct PhaseTable {
    std::span<const CueRow> rows;
    const char* endCue = nullptr;
};

/// Every box `row` names is ticked in `form`.
bool gatesOpen(const Form1& form, const CueRow& row);

/// The cue of each of `rows`, whatever its boxes and latch.
std::vector<TimedCue> timedCuesOf(std::span<const CueRow> rows);

/// Walks `rows` top to bottom and plays each row whose latch is clear, whose boxes are ticked and
/// whose time text the running clock shows exactly, then sets its latch. A row already latched
/// does not look at the clock.
void pollCueRows(Form1& form, CuePlayer& cues, std::span<const CueRow> rows);

} // namespace aerolap

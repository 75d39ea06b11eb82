#pragma once

#include "CueRow.h"
#include "Form1.h"
#include "audio/CuePlayer.h"

#include <span>
#include <string>

namespace aerolap {

// The steps that the preparation, working-time and landing polls and the landing button share.

/// The common start of every phase poll's tick: mirror the running clock on the display, write
/// the phase's status line, play the due cue rows. Returns whether the clock has run out, when
/// the caller runs its end sequence.
bool pollPhase(Form1& form, CuePlayer& cues, const char* status, std::span<const CueRow> rows);

/// Loads `time` into the running clock, as the time text and as the start value of its next
/// count, and shows it on the display.
void loadRunningClock(Form1& form, const std::string& time);

} // namespace aerolap

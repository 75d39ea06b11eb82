#pragma once

#include "CueRow.h"
#include "Form1.h"
#include "audio/CuePlayer.h"

#include <span>
#include <string>

namespace aerolap {

// The steps that several of the cycle's handlers share, each kept in the order of its steps.

/// The common start of every phase poll's tick: mirror the running clock on the display, write
/// the phase's status line, play the due cue rows. Returns whether the clock has run out, when
/// the caller runs its end sequence.
bool pollPhase(Form1& form, CuePlayer& cues, const char* status, std::span<const CueRow> rows);

/// Shows the running clock's time on the time display.
void mirrorRunningClock(Form1& form);

/// Loads `time` into the running clock, as the time text and as the start value of its next
/// count, and shows it on the display.
void loadRunningClock(Form1& form, const std::string& time);

/// The start of the working time and of the landing window: loads `time`, clears the cue
/// latches for the new phase and starts the count.
void startCountdown(Form1& form, const std::string& time);

/// Leaves START the only cycle button showing: hides STOP, shows START, hides RESET, in this
/// order, which those who watch START's return see.
void showOnlyStart(Form1& form);

} // namespace aerolap

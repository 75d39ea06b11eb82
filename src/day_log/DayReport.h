#pragma once

#include "DayLogLine.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace aerolap {

/// One cue of a cycle as it reached the sound output.
struct ReportedCue {
    long long wallMs = 0;
    std::string file;
    std::string phase;
    /// The running clock's second it belongs to; empty for the call at START.
    std::string second;
    /// How long after the start of its second `playCue` ran.
    std::optional<std::chrono::nanoseconds> lateness;
};

/// A cue the cycle's task and settings called for that never reached the sound output.
struct MissingCue {
    std::string phase;
    std::string second;
    std::string file;
    /// Its second fell in a gap (a suspend, a crash), whose cues are left out on purpose.
    bool inGap = false;
};

struct ReportedFrame {
    long long wallMs = 0;
    std::string bytes;
    std::optional<std::chrono::nanoseconds> lateness;
    bool taken = true;
};

struct ReportedPhase {
    std::string phase;
    long long wallMs = 0;
    int seconds = 0;
    /// From its start to the next phase's or to STOP; nothing when the log ends first.
    std::optional<std::chrono::nanoseconds> measured;
};

/// A span the timer did not see: a suspend, or the program gone after a crash.
struct ReportedGap {
    long long wallMs = 0;
    Message what;
    /// Where the cycle went on: its phase's name and second.
    std::string wentOnPhase;
    std::string wentOnSecond;
};

/// A change to the scores as the day log has it, and when it was made.
struct ReportedScore {
    long long wallMs = 0;
    ScoreChanged change;
};

struct ReportedCycle {
    long long startWallMs = 0;
    /// Begun by START (or Loop); otherwise carried on after a crash.
    bool started = true;
    std::string task;
    /// The schedule's round and group it flew, counted from 0, when a schedule ran it.
    std::optional<int> round;
    std::optional<int> group;
    std::vector<ReportedPhase> phases;
    std::vector<ReportedCue> cues;
    std::vector<MissingCue> missing;
    std::vector<ReportedFrame> frames;
    std::vector<ReportedGap> gaps;
    /// The score changes of its round and group, when it is the last cycle of the log that flew
    /// them.
    std::vector<ReportedScore> scores;
    /// How it ended: "landing window over", "STOP at ...", "program ended", "log ends".
    Message ending;
};

/// A day log read back for the jury: each cycle with its phases, cues, frames and gaps, and what
/// the log itself lacks (lines it could not read, lines dropped or lost).
struct DayReport {
    std::vector<ReportedCycle> cycles;
    /// "line 12: not JSON", one entry each; the rest of the log is read on.
    std::vector<Message> unreadLines;
    long long droppedLines = 0;
    long long lostLines = 0;
    struct Notice {
        long long wallMs = 0;
        Message message;
    };
    std::vector<Notice> notices;
    std::vector<std::string> remoteCommands;
    /// The score changes of no cycle in this log: a group flown another day, the rules.
    std::vector<ReportedScore> scores;
};

/// The local time of day of a line's wall-clock moment, to the millisecond.
std::string wallText(long long wallMs);

/// Reads a day log's `text`, line by line. Never fails: what it cannot read it names.
DayReport readDayReport(const std::string& text);

} // namespace aerolap

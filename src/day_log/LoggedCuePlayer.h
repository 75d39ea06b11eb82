#pragma once

#include "DayLog.h"
#include "audio/CuePlayer.h"
#include "engine/Cycle.h"

namespace aerolap {

/// Stands in front of the real cue player and records each cue that reaches it: its file, the
/// second it belongs to, when `playCue` ran and when the sound output had taken it. Cues that a
/// catch-up silences never get here, so the log holds what the pilots could hear.
class LoggedCuePlayer final : public CuePlayer {
public:
    LoggedCuePlayer(CuePlayer& real, DayLog& log) : m_real(real), m_log(log) {}

    /// The cycle whose clock the cues belong to, once it is made.
    void follow(const Cycle& cycle) { m_cycle = &cycle; }

    void playCue(const std::string& path) override;
    void playOptionalCue(const std::string& path) override;

private:
    template <typename Play> void played(const std::string& path, bool optional, Play play);

    CuePlayer& m_real;
    DayLog& m_log;
    const Cycle* m_cycle = nullptr;
};

} // namespace aerolap

#pragma once

#include "CuePlayer.h"
#include "SoundPaths.h"
#include "platform/SoundOutput.h"

namespace aerolap {

/// playCue on the platform's sound output: finds the cue's file and asks the output to play it,
/// ignoring whatever becomes of the request. Keeps no state; the one sound playing, and cutting
/// it for the next, belong to the output.
class SoundOutputCuePlayer final : public CuePlayer {
public:
    SoundOutputCuePlayer(SoundOutput& output, SoundPaths paths)
        : m_output(output), m_paths(std::move(paths)) {}

    void playCue(const std::string& path) override;
    void playOptionalCue(const std::string& path) override;

private:
    SoundOutput& m_output;
    SoundPaths m_paths;
};

} // namespace aerolap

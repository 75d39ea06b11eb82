#pragma once

#include "audio/PreloadingSoundOutput.h"
#include "audio/SoundOutputCuePlayer.h"
#include "audio/SoundPaths.h"
#include "platform/PcmPlayback.h"
#include "systems/linux/PosixRegularFileOpener.h"

#include <string>
#include <vector>

namespace aerolap::testing {

/// The program's own way from a cue to the playback: the files decoded ahead, as at start-up, and
/// played by path. Ready once constructed.
class PreloadedCuePlayer {
public:
    PreloadedCuePlayer(PcmPlayback& playback, const std::vector<std::string>& files,
                       const SoundPaths& paths);

    CuePlayer& player() { return m_player; }

private:
    PosixRegularFileOpener m_regularFiles;
    PreloadingSoundOutput m_output;
    SoundOutputCuePlayer m_player;
};

} // namespace aerolap::testing

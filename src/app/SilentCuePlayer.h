#pragma once

#include "audio/CuePlayer.h"

namespace aerolap {

/// A cue player that plays nothing: the program runs, silently, where no sound output is wired.
class SilentCuePlayer final : public CuePlayer {
public:
    void playCue(const std::string& /*path*/) override {}
};

} // namespace aerolap

#pragma once

#include "PcmSound.h"

#include <memory>

namespace aerolap {

/// Plays decoded sounds one at a time: a new sound cuts the one still playing at once and starts
/// from its beginning. Returns without waiting; failure stays silent.
class PcmPlayback {
public:
    virtual ~PcmPlayback() = default;
    virtual void play(std::shared_ptr<const PcmSound> sound) = 0;
};

} // namespace aerolap

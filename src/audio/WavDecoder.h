#pragma once

#include "platform/PcmSound.h"

#include <cstdint>
#include <optional>
#include <span>

namespace aerolap {

/// Reads a RIFF WAVE file held in memory: plain PCM, 8 or 16 bits, mono or stereo, any sample
/// rate. Anything else, or a file too damaged to play, gives no sound at all; a data chunk cut
/// short by a truncated file plays as far as it goes.
std::optional<PcmSound> decodeWav(std::span<const std::uint8_t> file);

} // namespace aerolap

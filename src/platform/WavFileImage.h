#pragma once

#include "PcmSound.h"

#include <cstdint>
#include <vector>

namespace aerolap {

/// The bytes of a WAV file holding `sound` as PCM: what a system that plays sound files takes
/// from memory.
std::vector<std::uint8_t> wavFileImage(const PcmSound& sound);

} // namespace aerolap

#pragma once

#include "platform/PcmSound.h"

#include <memory>

namespace aerolap {

/// The short two-tone alert played in place of a sound file that cannot be played, standing in
/// for the system default sound that this platform does not have.
std::shared_ptr<const PcmSound> alertSound();

} // namespace aerolap

#pragma once

#include "SoundFileDecoder.h"
#include "SoundPaths.h"
#include "platform/PcmPlayback.h"

#include <ostream>

namespace aerolap {

/// The director's check of a sound folder: for every cue file, the path looked at and what was
/// found there (encoding, rate, channels, duration), or what is wrong with it, each file opened
/// through `files`. True when every file plays. `playback`, when given, plays each playable file
/// in turn, each to its end and a short pause, so that the director hears them one by one.
bool checkSounds(const SoundPaths& paths, const RegularFileOpener& files, std::ostream& out,
                 PcmPlayback* playback = nullptr);

} // namespace aerolap

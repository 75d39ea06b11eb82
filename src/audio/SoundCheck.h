#pragma once

#include "SoundFileDecoder.h"
#include "SoundPaths.h"

#include <functional>
#include <ostream>

namespace aerolap {

/// Called once a cue's file has been checked and found to play, with its samples.
using CheckedSoundPlayer = std::function<void(const std::string& file, const PcmSound& sound)>;

/// The director's check of a sound folder: for every cue file, the path looked at and what was
/// found there (encoding, rate, channels, duration), or what is wrong with it, each file opened
/// through `files`. True when every file plays. `play`, when given, hears each playable file in
/// turn.
bool checkSounds(const SoundPaths& paths, const RegularFileOpener& files, std::ostream& out,
                 const CheckedSoundPlayer& play = {});

} // namespace aerolap

#pragma once

#include "SoundFileDecoder.h"
#include "SoundPaths.h"
#include "platform/PcmPlayback.h"

#include <filesystem>
#include <ostream>
#include <span>
#include <string_view>

namespace aerolap {

/// The director's check of a sound folder: for every cue file, the path looked at and what was
/// found there (encoding, rate, channels, duration), or what is wrong with it, each file opened
/// through `files`. True when every file plays. `playback`, when given, plays each playable file
/// in turn, each to its end and a short pause, so that the director hears them one by one.
bool checkSounds(const SoundPaths& paths, const RegularFileOpener& files, std::ostream& out,
                 PcmPlayback* playback = nullptr);

/// The check of the default sets in `defaultSets`, one folder per code of `languages`: each set
/// must hold every cue file, the schedule's included, each one playing and no longer than the
/// longest it may last. Prints one line per set, and one line naming each file that fails and
/// why. True when every set is complete.
bool checkDefaultSets(const std::filesystem::path& defaultSets,
                      std::span<const std::string_view> languages, const RegularFileOpener& files,
                      std::ostream& out);

} // namespace aerolap

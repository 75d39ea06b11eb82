#pragma once

#include <string>

namespace aerolap {

/// The platform's sound playback: plays one sound file by path without waiting for it. A new
/// request stops the sound of the program that is still playing, at once.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual void playFileAsync(const std::string& path) = 0;
    /// The same for a sound the program can do without: a file that is missing or does not play
    /// gives silence instead of the alert, and leaves the sound that is playing alone.
    virtual void playFileIfPlayableAsync(const std::string& path) = 0;
};

} // namespace aerolap

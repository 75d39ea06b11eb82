#pragma once

#include <string>

namespace aerolap {

/// The platform's sound playback: plays one sound file by path without waiting for it. A new
/// request stops the sound of the program that is still playing, at once.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual void playFileAsync(const std::string& path) = 0;
};

} // namespace aerolap

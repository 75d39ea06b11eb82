#pragma once

#include "platform/SoundOutput.h"

namespace aerolap {

/// The Windows sound output: the multimedia library's PlaySoundA plays the file asynchronously,
/// cuts the program's previous sound and falls back to the system default sound on its own.
class Win32SoundOutput final : public SoundOutput {
public:
    void playFileAsync(const std::string& path) override;
    void playFileIfPlayableAsync(const std::string& path) override;
};

} // namespace aerolap

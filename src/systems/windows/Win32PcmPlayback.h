#pragma once

#include "platform/PcmPlayback.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace aerolap {

/// Decoded sounds through the multimedia library's PlaySound, from memory: each sound is handed
/// over as an in-memory WAV file, so that nothing is read from disk at the cue. PlaySound reads
/// the buffer while it plays, so the buffer of the sound playing is kept until the next call has
/// stopped it, whatever becomes of the sound it was made from.
class Win32PcmPlayback final : public PcmPlayback {
public:
    Win32PcmPlayback() = default;
    ~Win32PcmPlayback() override;
    Win32PcmPlayback(const Win32PcmPlayback&) = delete;
    Win32PcmPlayback& operator=(const Win32PcmPlayback&) = delete;

    void play(std::shared_ptr<const PcmSound> sound) override;

private:
    std::unique_ptr<const std::vector<std::uint8_t>> m_playing;
};

} // namespace aerolap

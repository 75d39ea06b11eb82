#pragma once

#include "platform/PcmPlayback.h"
#include "platform/SoundOutput.h"

namespace aerolap {

/// The sound output of platforms that play decoded samples: reads and decodes the WAV file itself
/// and hands the samples to the playback, or the built-in alert when the file cannot be read or
/// played. Which sound plays, and cutting the previous one, are left to the playback.
class DecodingSoundOutput final : public SoundOutput {
public:
    explicit DecodingSoundOutput(PcmPlayback& playback) : m_playback(playback) {}

    void playFileAsync(const std::string& path) override;

private:
    PcmPlayback& m_playback;
};

} // namespace aerolap

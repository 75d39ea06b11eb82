#include "SoundOutputCuePlayer.h"

namespace aerolap {

void SoundOutputCuePlayer::playCue(const std::string& path) {
    m_output.playFileAsync(m_paths.fileFor(path));
}

void SoundOutputCuePlayer::playOptionalCue(const std::string& path) {
    m_output.playFileIfPlayableAsync(m_paths.fileFor(path));
}

} // namespace aerolap

#include "SoundOutputCuePlayer.h"

namespace aerolap {

void SoundOutputCuePlayer::playCue(const std::string& path) {
    m_output.playFileAsync(m_paths.fileFor(path));
}

} // namespace aerolap

#include "SoundOutputCuePlayer.h"

#include <filesystem>

namespace aerolap {

void SoundOutputCuePlayer::playCue(const std::string& path) {
    m_output.playFileAsync(m_paths.fileFor(path));
}

void SoundOutputCuePlayer::playOptionalCue(const std::string& path) {
    const std::string file = m_paths.fileFor(path);
    std::error_code error;
    if (std::filesystem::exists(file, error)) {
        m_output.playFileAsync(file);
    }
}

} // namespace aerolap

#include "PreloadedCuePlayer.h"

#include "audio/SoundFileDecoder.h"
#include "systems/linux/InotifyFileChangeWatch.h"

#include <memory>

namespace aerolap::testing {

PreloadedCuePlayer::PreloadedCuePlayer(PcmPlayback& playback, const std::vector<std::string>& files,
                                       const SoundPaths& paths)
    : m_output(playback, files, std::make_unique<InotifyFileChangeWatch>(),
               [this](const std::filesystem::path& file) {
                   return decodeSoundFile(file, m_regularFiles);
               }),
      m_player(m_output, paths) {
    m_output.waitUntilDecoded();
}

} // namespace aerolap::testing

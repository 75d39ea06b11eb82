#include "Win32PcmPlayback.h"

#include "platform/WavFileImage.h"

// clang-format off
#include <windows.h>
#include <mmsystem.h> // needs the types of windows.h before it
// clang-format on

namespace aerolap {

Win32PcmPlayback::~Win32PcmPlayback() {
    if (m_playing) {
        static_cast<void>(PlaySoundA(nullptr, nullptr, 0));
    }
}

void Win32PcmPlayback::play(std::shared_ptr<const PcmSound> sound) {
    auto image = std::make_unique<const std::vector<std::uint8_t>>(wavFileImage(*sound));
    // Returns once the sound before is stopped, so only then may its buffer go.
    static_cast<void>(PlaySoundA(reinterpret_cast<LPCSTR>(image->data()), nullptr,
                                 SND_MEMORY | SND_ASYNC | SND_NODEFAULT));
    m_playing = std::move(image);
}

} // namespace aerolap

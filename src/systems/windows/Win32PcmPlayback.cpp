#include "Win32PcmPlayback.h"

#include "platform/CurrentThreadName.h"
#include "platform/WavFileImage.h"

#include <cstdint>
#include <utility>
#include <vector>

// clang-format off
#include <windows.h>
#include <mmsystem.h> // needs the types of windows.h before it
// clang-format on

namespace aerolap {

Win32PcmPlayback::Win32PcmPlayback(TimingThreadPriority& priority)
    : m_thread([this, &priority] { run(priority); }) {}

Win32PcmPlayback::~Win32PcmPlayback() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void Win32PcmPlayback::play(std::shared_ptr<const PcmSound> sound) {
    if (!sound) {
        return;
    }
    {
        // A sound not yet picked up is replaced: the newest wins.
        const std::lock_guard lock(m_mutex);
        m_handedOver = std::move(sound);
    }
    m_wake.notify_all();
}

void Win32PcmPlayback::run(TimingThreadPriority& priority) {
    nameCurrentThread("aerolap-sound");
    priority.raiseSoundThread();
    std::unique_ptr<const std::vector<std::uint8_t>> playing;
    std::unique_lock lock(m_mutex);
    while (true) {
        m_wake.wait(lock, [this] { return m_handedOver != nullptr || m_stopping; });
        if (m_stopping) {
            break;
        }
        const std::shared_ptr<const PcmSound> sound = std::exchange(m_handedOver, nullptr);
        lock.unlock();
        auto image = std::make_unique<const std::vector<std::uint8_t>>(wavFileImage(*sound));
        // Returns once the sound before is stopped, so only then may its buffer go.
        static_cast<void>(PlaySoundA(reinterpret_cast<LPCSTR>(image->data()), nullptr,
                                     SND_MEMORY | SND_ASYNC | SND_NODEFAULT));
        playing = std::move(image);
        lock.lock();
    }
    lock.unlock();
    if (playing) {
        static_cast<void>(PlaySoundA(nullptr, nullptr, 0));
    }
    priority.lowerSoundThread();
}

} // namespace aerolap

#include "AlsaPcmPlayback.h"

#include "platform/CurrentThreadName.h"

#include <algorithm>
#include <alsa/asoundlib.h>
#include <utility>

namespace aerolap {

namespace {

// Short enough that a newer cue cuts in quickly, long enough not to run dry on a busy machine.
constexpr unsigned kLatencyMicroseconds = 50000;
constexpr snd_pcm_uframes_t kFramesPerWrite = 512;

struct DeviceCloser {
    void operator()(snd_pcm_t* device) const { snd_pcm_close(device); }
};

} // namespace

AlsaPcmPlayback::AlsaPcmPlayback(std::function<void()> soundThreadStarted)
    : m_thread([this, started = std::move(soundThreadStarted)] {
          if (started) {
              started();
          }
          run();
      }) {}

AlsaPcmPlayback::~AlsaPcmPlayback() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void AlsaPcmPlayback::play(std::shared_ptr<const PcmSound> sound) {
    if (!sound || sound->bytes.empty()) {
        return;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_handedOver = std::move(sound);
    }
    m_wake.notify_all();
}

bool AlsaPcmPlayback::newerSoundWaiting() {
    const std::lock_guard lock(m_mutex);
    return m_handedOver != nullptr || m_stopping;
}

void AlsaPcmPlayback::run() {
    nameCurrentThread("ALSA playback");
    std::unique_lock lock(m_mutex);
    while (true) {
        m_wake.wait(lock, [this] { return m_handedOver != nullptr || m_stopping; });
        if (m_stopping) {
            return;
        }
        const std::shared_ptr<const PcmSound> sound = std::exchange(m_handedOver, nullptr);
        lock.unlock();
        playOnDevice(*sound);
        lock.lock();
    }
}

void AlsaPcmPlayback::playOnDevice(const PcmSound& sound) {
    snd_pcm_t* opened = nullptr;
    if (snd_pcm_open(&opened, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0) {
        return;
    }
    const std::unique_ptr<snd_pcm_t, DeviceCloser> device(opened);
    const snd_pcm_format_t format =
        sound.format == SampleFormat::Unsigned8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE;
    if (snd_pcm_set_params(device.get(), format, SND_PCM_ACCESS_RW_INTERLEAVED, sound.channels,
                           sound.sampleRate, /*soft_resample=*/1, kLatencyMicroseconds) < 0) {
        return;
    }
    const std::size_t frameBytes = sound.bytesPerFrame();
    const std::size_t totalFrames = sound.bytes.size() / frameBytes;
    std::size_t written = 0;
    while (written < totalFrames) {
        if (newerSoundWaiting()) {
            return; // closing the device drops what it still holds
        }
        const auto count = std::min<std::size_t>(kFramesPerWrite, totalFrames - written);
        snd_pcm_sframes_t done =
            snd_pcm_writei(device.get(), sound.bytes.data() + written * frameBytes, count);
        if (done < 0) {
            done = snd_pcm_recover(device.get(), static_cast<int>(done), /*silent=*/1);
            if (done < 0) {
                return;
            }
            continue;
        }
        written += static_cast<std::size_t>(done);
    }
    snd_pcm_drain(device.get());
}

} // namespace aerolap

#include "AlsaPcmPlayback.h"

#include "platform/CurrentThreadName.h"

#include <algorithm>
#include <alsa/asoundlib.h>
#include <chrono>
#include <optional>
#include <utility>

namespace aerolap {

namespace {

using namespace std::chrono_literals;

// The most of a sound the device is given ahead: a whole cue, and a few seconds of a sound of
// minutes, which is then given the rest half a buffer at a time.
constexpr auto kMostAhead = 10s;

struct DeviceCloser {
    void operator()(snd_pcm_t* device) const { snd_pcm_close(device); }
};
struct HardwareParametersFree {
    void operator()(snd_pcm_hw_params_t* parameters) const { snd_pcm_hw_params_free(parameters); }
};
struct SoftwareParametersFree {
    void operator()(snd_pcm_sw_params_t* parameters) const { snd_pcm_sw_params_free(parameters); }
};

/// The device's buffer as it was set up.
struct DeviceBuffer {
    snd_pcm_uframes_t frames = 0;
    unsigned rate = 0;

    std::chrono::microseconds playTime(snd_pcm_uframes_t played) const {
        return std::chrono::microseconds(played * 1'000'000ULL / rate);
    }
};

/// Sets the device up for `sound` with a buffer as long as the sound, as far as the device and
/// `kMostAhead` allow, that starts playing with its first frame.
std::optional<DeviceBuffer> configure(snd_pcm_t* device, const PcmSound& sound,
                                      snd_pcm_uframes_t frames) {
    snd_pcm_hw_params_t* hardwareMade = nullptr;
    snd_pcm_sw_params_t* softwareMade = nullptr;
    if (snd_pcm_hw_params_malloc(&hardwareMade) < 0 ||
        snd_pcm_sw_params_malloc(&softwareMade) < 0) {
        snd_pcm_hw_params_free(hardwareMade);
        return std::nullopt;
    }
    const std::unique_ptr<snd_pcm_hw_params_t, HardwareParametersFree> hardware(hardwareMade);
    const std::unique_ptr<snd_pcm_sw_params_t, SoftwareParametersFree> software(softwareMade);
    const unsigned rate = sound.sampleRate;
    snd_pcm_uframes_t buffer =
        std::min<snd_pcm_uframes_t>(frames, static_cast<snd_pcm_uframes_t>(rate) * kMostAhead / 1s);
    const snd_pcm_format_t format =
        sound.format == SampleFormat::Unsigned8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE;
    if (snd_pcm_hw_params_any(device, hardware.get()) < 0 ||
        snd_pcm_hw_params_set_rate_resample(device, hardware.get(), 1) < 0 ||
        snd_pcm_hw_params_set_access(device, hardware.get(), SND_PCM_ACCESS_RW_INTERLEAVED) < 0 ||
        snd_pcm_hw_params_set_format(device, hardware.get(), format) < 0 ||
        snd_pcm_hw_params_set_channels(device, hardware.get(), sound.channels) < 0 ||
        snd_pcm_hw_params_set_rate(device, hardware.get(), rate, 0) < 0 ||
        snd_pcm_hw_params_set_buffer_size_near(device, hardware.get(), &buffer) < 0 ||
        snd_pcm_hw_params(device, hardware.get()) < 0 ||
        snd_pcm_hw_params_get_buffer_size(hardware.get(), &buffer) < 0 ||
        snd_pcm_sw_params_current(device, software.get()) < 0 ||
        snd_pcm_sw_params_set_start_threshold(device, software.get(), 1) < 0 ||
        snd_pcm_sw_params(device, software.get()) < 0) {
        return std::nullopt;
    }
    return DeviceBuffer{buffer, rate};
}

} // namespace

AlsaPcmPlayback::AlsaPcmPlayback(std::function<void()> soundThreadStarted)
    : m_thread([this, started = std::move(soundThreadStarted)](const std::stop_token& stop) {
          if (started) {
              started();
          }
          run(stop);
      }) {}

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

bool AlsaPcmPlayback::newerSoundWithin(std::chrono::microseconds wait,
                                       const std::stop_token& stop) {
    std::unique_lock lock(m_mutex);
    return m_wake.wait_for(lock, stop, wait, [this] { return m_handedOver != nullptr; }) ||
           stop.stop_requested();
}

void AlsaPcmPlayback::run(const std::stop_token& stop) {
    nameCurrentThread("ALSA playback");
    std::unique_lock lock(m_mutex);
    // A sound handed over as the program ends is not started.
    while (m_wake.wait(lock, stop, [this] { return m_handedOver != nullptr; }) &&
           !stop.stop_requested()) {
        const std::shared_ptr<const PcmSound> sound = std::exchange(m_handedOver, nullptr);
        lock.unlock();
        playOnDevice(*sound, stop);
        lock.lock();
    }
}

void AlsaPcmPlayback::playOnDevice(const PcmSound& sound, const std::stop_token& stop) {
    snd_pcm_t* opened = nullptr;
    if (snd_pcm_open(&opened, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0) {
        return;
    }
    const std::unique_ptr<snd_pcm_t, DeviceCloser> device(opened);
    const std::size_t frameBytes = sound.bytesPerFrame();
    const std::size_t totalFrames = sound.bytes.size() / frameBytes;
    const std::optional<DeviceBuffer> buffer = configure(device.get(), sound, totalFrames);
    if (!buffer) {
        return;
    }
    std::size_t written = 0;
    while (written < totalFrames) {
        const snd_pcm_sframes_t room = snd_pcm_avail_update(device.get());
        snd_pcm_sframes_t done = room;
        if (room > 0) {
            const auto count = std::min(static_cast<std::size_t>(room), totalFrames - written);
            done = snd_pcm_writei(device.get(), sound.bytes.data() + written * frameBytes, count);
        }
        if (done < 0) {
            if (snd_pcm_recover(device.get(), static_cast<int>(done), /*silent=*/1) < 0) {
                return;
            }
            continue;
        }
        written += static_cast<std::size_t>(done);
        // The device plays on by itself meanwhile: the rest is due once half its buffer played.
        if (written < totalFrames && newerSoundWithin(buffer->playTime(buffer->frames / 2), stop)) {
            snd_pcm_drop(device.get());
            return;
        }
    }
    snd_pcm_sframes_t queued = 0;
    if (snd_pcm_delay(device.get(), &queued) < 0 || queued < 0) {
        queued = 0;
    }
    if (newerSoundWithin(buffer->playTime(static_cast<snd_pcm_uframes_t>(queued)), stop)) {
        snd_pcm_drop(device.get());
        return;
    }
    snd_pcm_drain(device.get());
}

} // namespace aerolap

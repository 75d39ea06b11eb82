#include "PulsePcmPlayback.h"

#include <algorithm>
#include <chrono>
#include <mutex>
#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/operation.h>
#include <pulse/rtclock.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace aerolap {

namespace {

using namespace std::chrono_literals;

// Small enough that a new stream is heard within a few milliseconds, large enough that the
// server never runs dry while the stream is fed.
constexpr auto kTargetLatency = 40ms;

/// Holds the mainloop lock for one scope, so that callbacks never run half way through a change.
class MainloopLock {
public:
    explicit MainloopLock(pa_threaded_mainloop* mainloop) : m_mainloop(mainloop) {
        pa_threaded_mainloop_lock(m_mainloop);
    }
    ~MainloopLock() { pa_threaded_mainloop_unlock(m_mainloop); }
    MainloopLock(const MainloopLock&) = delete;
    MainloopLock& operator=(const MainloopLock&) = delete;

private:
    pa_threaded_mainloop* m_mainloop;
};

pa_sample_spec sampleSpecOf(const PcmSound& sound) {
    return {.format = sound.format == SampleFormat::Unsigned8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE,
            .rate = sound.sampleRate,
            .channels = static_cast<std::uint8_t>(sound.channels)};
}

} // namespace

/// One sound on its way to the server: its stream, fed from the sound's samples as the server asks,
/// drained at the end and closed on its own once drained.
class PulsePcmPlayback::CueStream {
public:
    CueStream(pa_context* context, std::shared_ptr<const PcmSound> sound)
        : m_sound(std::move(sound)) {
        const pa_sample_spec format = sampleSpecOf(*m_sound);
        if (!pa_sample_spec_valid(&format)) {
            return;
        }
        m_stream = pa_stream_new(context, "cue", &format, nullptr);
        if (m_stream == nullptr) {
            return;
        }
        const auto targetBytes = static_cast<std::uint32_t>(
            pa_usec_to_bytes(std::chrono::microseconds(kTargetLatency).count(), &format));
        const pa_buffer_attr buffer{.maxlength = static_cast<std::uint32_t>(-1),
                                    .tlength = targetBytes,
                                    .prebuf = static_cast<std::uint32_t>(-1),
                                    .minreq = static_cast<std::uint32_t>(-1),
                                    .fragsize = static_cast<std::uint32_t>(-1)};
        pa_stream_set_write_callback(m_stream, &CueStream::onWritable, this);
        if (pa_stream_connect_playback(m_stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY,
                                       nullptr, nullptr) < 0) {
            close();
        }
    }

    ~CueStream() { close(); }
    CueStream(const CueStream&) = delete;
    CueStream& operator=(const CueStream&) = delete;

    bool finished() const { return m_stream == nullptr; }

private:
    static void onWritable(pa_stream* stream, std::size_t requested, void* self) {
        auto& cue = *static_cast<CueStream*>(self);
        const auto& samples = cue.m_sound->bytes;
        const std::size_t count = std::min(requested, samples.size() - cue.m_written);
        if (count > 0 && pa_stream_write(stream, samples.data() + cue.m_written, count, nullptr, 0,
                                         PA_SEEK_RELATIVE) < 0) {
            cue.close();
            return;
        }
        cue.m_written += count;
        if (cue.m_written == samples.size()) {
            pa_stream_set_write_callback(stream, nullptr, nullptr);
            // Draining also starts a sound shorter than the server's start threshold.
            cue.m_drain = pa_stream_drain(stream, &CueStream::onDrained, self);
        }
    }

    static void onDrained(pa_stream* /*stream*/, int /*success*/, void* self) {
        auto& cue = *static_cast<CueStream*>(self);
        // The operation is finishing; only the reference is ours to drop.
        pa_operation_unref(std::exchange(cue.m_drain, nullptr));
        cue.close();
    }

    void close() {
        if (m_drain != nullptr) {
            pa_operation_cancel(m_drain);
            pa_operation_unref(m_drain);
            m_drain = nullptr;
        }
        if (m_stream != nullptr) {
            pa_stream_set_write_callback(m_stream, nullptr, nullptr);
            pa_stream_disconnect(m_stream);
            pa_stream_unref(m_stream);
            m_stream = nullptr;
        }
    }

    std::shared_ptr<const PcmSound> m_sound;
    pa_stream* m_stream = nullptr;
    pa_operation* m_drain = nullptr;
    std::size_t m_written = 0;
};

PulsePcmPlayback::PulsePcmPlayback(ServerListener listener, PulseSinkWatch::Listener sinkListener,
                                   std::function<void()> soundThreadStarted)
    : m_listener(std::move(listener)), m_sinkWatch(std::move(sinkListener)),
      m_soundThreadStarted(std::move(soundThreadStarted)) {
    m_mainloop = pa_threaded_mainloop_new();
    if (m_mainloop == nullptr) {
        setAnswering(false);
        return;
    }
    pa_threaded_mainloop_set_name(m_mainloop, kThreadName);
    if (pa_threaded_mainloop_start(m_mainloop) < 0) {
        pa_threaded_mainloop_free(m_mainloop);
        m_mainloop = nullptr;
        return;
    }
    m_wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    const MainloopLock lock(m_mainloop);
    if (m_soundThreadStarted) {
        pa_threaded_mainloop_once_unlocked(
            m_mainloop,
            [](pa_threaded_mainloop* /*mainloop*/, void* self) {
                static_cast<PulsePcmPlayback*>(self)->m_soundThreadStarted();
            },
            this);
    }
    if (m_wakeFd >= 0) {
        pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_mainloop);
        // Runs on the sound thread with the lock held, like every other callback.
        const auto onWake = [](pa_mainloop_api* /*api*/, pa_io_event* /*event*/, int fd,
                               pa_io_event_flags_t /*flags*/, void* self) {
            std::uint64_t wakeUps = 0;
            [[maybe_unused]] const auto read = ::read(fd, &wakeUps, sizeof wakeUps);
            static_cast<PulsePcmPlayback*>(self)->startHandedOver();
        };
        m_wakeEvent = api->io_new(api, m_wakeFd, PA_IO_EVENT_INPUT, onWake, this);
    }
    connect();
}

PulsePcmPlayback::~PulsePcmPlayback() {
    if (m_mainloop == nullptr) {
        return;
    }
    {
        const MainloopLock lock(m_mainloop);
        pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_mainloop);
        if (m_wakeEvent != nullptr) {
            api->io_free(m_wakeEvent);
        }
        if (m_retryEvent != nullptr) {
            api->time_free(m_retryEvent);
        }
        m_playing.reset();
        dropContext();
    }
    pa_threaded_mainloop_stop(m_mainloop);
    pa_threaded_mainloop_free(m_mainloop);
    if (m_wakeFd >= 0) {
        ::close(m_wakeFd);
    }
}

void PulsePcmPlayback::play(std::shared_ptr<const PcmSound> sound) {
    if (m_wakeEvent == nullptr || !sound || sound->bytes.empty()) {
        return;
    }
    {
        // A request not yet picked up is replaced: the newest wins.
        const std::lock_guard handOver(m_handOverMutex);
        m_handedOver = std::move(sound);
    }
    reconnectIfDue();
}

void PulsePcmPlayback::reconnectIfDue() {
    if (m_wakeEvent == nullptr) {
        return;
    }
    const std::uint64_t one = 1;
    // A full counter means a wake-up is already due, which is all that is needed.
    [[maybe_unused]] const auto written = ::write(m_wakeFd, &one, sizeof one);
}

bool PulsePcmPlayback::waitForServer(std::chrono::milliseconds limit) {
    if (m_mainloop == nullptr) {
        return false;
    }
    const auto state = [this] {
        const MainloopLock lock(m_mainloop);
        return m_context != nullptr ? pa_context_get_state(m_context) : PA_CONTEXT_FAILED;
    };
    if (!PA_CONTEXT_IS_GOOD(state())) {
        const MainloopLock lock(m_mainloop);
        connect();
    }
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (pa_context_state_t now = state(); PA_CONTEXT_IS_GOOD(now); now = state()) {
        if (now == PA_CONTEXT_READY) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            break;
        }
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

void PulsePcmPlayback::startHandedOver() {
    std::shared_ptr<const PcmSound> sound;
    {
        const std::lock_guard handOver(m_handOverMutex);
        sound = std::exchange(m_handedOver, nullptr);
    }
    if (sound) {
        m_playing.reset();
        m_pending = std::move(sound);
    }
    const pa_context_state_t state =
        m_context != nullptr ? pa_context_get_state(m_context) : PA_CONTEXT_FAILED;
    if (state == PA_CONTEXT_READY) {
        startPending();
    } else if (!PA_CONTEXT_IS_GOOD(state) &&
               std::chrono::steady_clock::now() - m_lastConnect >= kReconnectPause) {
        connect();
    }
    // While the connection is still being made, the context callback starts the pending sound.
}

void PulsePcmPlayback::connect() {
    dropContext();
    m_lastConnect = std::chrono::steady_clock::now();
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_mainloop), "Aerolap");
    if (m_context == nullptr) {
        setAnswering(false);
        return;
    }
    pa_context_set_state_callback(m_context, &PulsePcmPlayback::onContextState, this);
    // No autospawn: a program that merely plays cues must not start a sound server of its own.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        m_pending.reset();
        setAnswering(false);
        if (m_retryEvent != nullptr) {
            retryLostServerSoon();
        }
    }
}

void PulsePcmPlayback::dropContext() {
    if (m_context == nullptr) {
        return;
    }
    m_sinkWatch.forget();
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
}

void PulsePcmPlayback::startPending() {
    if (m_pending) {
        m_playing = std::make_unique<CueStream>(m_context, std::exchange(m_pending, nullptr));
    }
}

void PulsePcmPlayback::onContextState(pa_context* context, void* self) {
    auto& playback = *static_cast<PulsePcmPlayback*>(self);
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY) {
        playback.setAnswering(true);
        playback.m_sinkWatch.watch(context);
        playback.startPending();
    } else if (!PA_CONTEXT_IS_GOOD(state)) {
        const bool answered = playback.m_answering || playback.m_retryEvent != nullptr;
        playback.m_sinkWatch.forget();
        playback.m_playing.reset();
        playback.m_pending.reset();
        playback.setAnswering(false);
        if (answered) {
            playback.retryLostServerSoon();
        }
    }
}

void PulsePcmPlayback::retryLostServerSoon() {
    // On the monotonic clock: a wall clock set back must not hold the retry up. The event
    // belongs to the mainloop and outlives the failed context that places it.
    const pa_usec_t due =
        pa_rtclock_now() +
        static_cast<pa_usec_t>(std::chrono::microseconds(kRetryLostServer).count());
    if (m_retryEvent != nullptr) {
        pa_context_rttime_restart(m_context, m_retryEvent, due);
        return;
    }
    const auto onDue = [](pa_mainloop_api* /*api*/, pa_time_event* /*event*/,
                          const timeval* /*due*/, void* self) {
        auto& playback = *static_cast<PulsePcmPlayback*>(self);
        const pa_context_state_t state = playback.m_context != nullptr
                                             ? pa_context_get_state(playback.m_context)
                                             : PA_CONTEXT_FAILED;
        if (!PA_CONTEXT_IS_GOOD(state)) {
            playback.connect(); // a failure asks for the next try
        }
    };
    m_retryEvent = pa_context_rttime_new(m_context, due, onDue, this);
}

void PulsePcmPlayback::setAnswering(bool answering) {
    const bool changed = !m_told || m_answering != answering;
    m_answering = answering;
    m_told = true;
    if (changed && m_listener) {
        m_listener(answering);
    }
}

} // namespace aerolap

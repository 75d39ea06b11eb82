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

// How far ahead of the sink the server mixes a cue: small, so that a cue is heard within a few
// milliseconds and a newer one cuts it as quickly on a sink that cannot take back what it mixed.
// It is not how far ahead the program feeds the server: the server holds the whole cue.
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

/// The connection's state, failed when there is none.
pa_context_state_t stateOf(pa_context* context) {
    return context != nullptr ? pa_context_get_state(context) : PA_CONTEXT_FAILED;
}

} // namespace

/// One sound on its way to the server: its stream, handed the whole sound as soon as it is ready,
/// so that no late wake-up of the sound thread can leave the server without samples. Only a sound
/// longer than the server's buffer (4 MB: 95 s at 22 kHz mono) is handed over in parts, each when
/// half of what the server holds has played. Drained at the end and closed on its own once drained.
class PulsePcmPlayback::CueStream {
public:
    CueStream(pa_mainloop_api* api, pa_context* context, std::shared_ptr<const PcmSound> sound)
        : m_api(api), m_sound(std::move(sound)), m_format(sampleSpecOf(*m_sound)) {
        if (!pa_sample_spec_valid(&m_format)) {
            return;
        }
        m_stream = pa_stream_new(context, "cue", &m_format, nullptr);
        if (m_stream == nullptr) {
            return;
        }
        const auto targetBytes = static_cast<std::uint32_t>(
            pa_usec_to_bytes(std::chrono::microseconds(kTargetLatency).count(), &m_format));
        // The server's own largest buffer, and a start with the first samples, however short
        // the sound.
        const pa_buffer_attr buffer{.maxlength = static_cast<std::uint32_t>(-1),
                                    .tlength = targetBytes,
                                    .prebuf = static_cast<std::uint32_t>(m_sound->bytesPerFrame()),
                                    .minreq = static_cast<std::uint32_t>(-1),
                                    .fragsize = static_cast<std::uint32_t>(-1)};
        pa_stream_set_state_callback(m_stream, &CueStream::onState, this);
        // Started only once the server holds the sound: for each part of a sound (64 KB) that
        // reaches a started stream before the sink first took from it, the server mixes the sink's
        // buffer again, and what a null sink played then lacks about 10 ms of the sound each time.
        const auto flags =
            static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_START_CORKED);
        if (pa_stream_connect_playback(m_stream, nullptr, &buffer, flags, nullptr, nullptr) < 0) {
            close();
        }
    }

    ~CueStream() { close(); }
    CueStream(const CueStream&) = delete;
    CueStream& operator=(const CueStream&) = delete;

private:
    bool finished() const { return m_stream == nullptr; }

    static void onState(pa_stream* stream, void* self) {
        auto& cue = *static_cast<CueStream*>(self);
        const pa_stream_state_t state = pa_stream_get_state(stream);
        if (state == PA_STREAM_READY) {
            cue.handOver(0);
            if (!cue.finished()) {
                pa_operation* start = pa_stream_cork(stream, 0, nullptr, nullptr);
                if (start != nullptr) {
                    pa_operation_unref(start);
                }
            }
        } else if (!PA_STREAM_IS_GOOD(state)) {
            cue.close();
        }
    }

    /// Hands the server as much of the rest of the sound as its buffer takes beside the `queued`
    /// bytes it still holds. Writing past what the server asks for is allowed up to its buffer.
    void handOver(std::int64_t queued) {
        const std::int64_t room =
            static_cast<std::int64_t>(pa_stream_get_buffer_attr(m_stream)->maxlength) - queued;
        const auto& samples = m_sound->bytes;
        const std::size_t frame = m_sound->bytesPerFrame();
        const std::size_t count =
            std::min(static_cast<std::size_t>(std::max<std::int64_t>(room, 0)) / frame * frame,
                     samples.size() - m_written);
        if (count > 0 && pa_stream_write(m_stream, samples.data() + m_written, count, nullptr, 0,
                                         PA_SEEK_RELATIVE) < 0) {
            close();
            return;
        }
        m_written += count;
        if (m_written == samples.size()) {
            m_drain = pa_stream_drain(m_stream, &CueStream::onDrained, this);
            return;
        }
        const pa_usec_t held =
            pa_bytes_to_usec(static_cast<std::uint64_t>(queued) + count, &m_format);
        handOverAgainAfter(held / 2);
    }

    static void onDrained(pa_stream* /*stream*/, int /*success*/, void* self) {
        auto& cue = *static_cast<CueStream*>(self);
        // The operation is finishing; only the reference is ours to drop.
        pa_operation_unref(std::exchange(cue.m_drain, nullptr));
        cue.close();
    }

    void handOverAgainAfter(pa_usec_t wait) {
        const auto onDue = [](pa_mainloop_api* /*api*/, pa_time_event* /*event*/,
                              const timeval* /*due*/, void* self) {
            auto& cue = *static_cast<CueStream*>(self);
            // How much the server still holds, from its next account of the stream.
            cue.m_account = pa_stream_update_timing_info(cue.m_stream, &CueStream::onAccount, self);
            if (cue.m_account == nullptr) {
                cue.close();
            }
        };
        pa_context* context = pa_stream_get_context(m_stream);
        if (m_handOverEvent == nullptr) {
            m_handOverEvent = pa_context_rttime_new(context, pa_rtclock_now() + wait, onDue, this);
        } else {
            pa_context_rttime_restart(context, m_handOverEvent, pa_rtclock_now() + wait);
        }
    }

    static void onAccount(pa_stream* stream, int success, void* self) {
        auto& cue = *static_cast<CueStream*>(self);
        pa_operation_unref(std::exchange(cue.m_account, nullptr));
        const pa_timing_info* timing = pa_stream_get_timing_info(stream);
        if (success == 0 || timing == nullptr) {
            cue.close();
            return;
        }
        cue.handOver(timing->write_index - timing->read_index);
    }

    static void cancel(pa_operation*& operation) {
        if (operation != nullptr) {
            pa_operation_cancel(operation);
            pa_operation_unref(std::exchange(operation, nullptr));
        }
    }

    void close() {
        cancel(m_drain);
        cancel(m_account);
        if (m_handOverEvent != nullptr) {
            m_api->time_free(std::exchange(m_handOverEvent, nullptr));
        }
        if (m_stream == nullptr) {
            return;
        }
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }

    pa_mainloop_api* m_api;
    std::shared_ptr<const PcmSound> m_sound;
    pa_sample_spec m_format;
    pa_stream* m_stream = nullptr;
    pa_operation* m_drain = nullptr;
    pa_operation* m_account = nullptr;
    pa_time_event* m_handOverEvent = nullptr;
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
        return stateOf(m_context);
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
    const pa_context_state_t state = stateOf(m_context);
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
        m_playing = std::make_unique<CueStream>(pa_threaded_mainloop_get_api(m_mainloop), m_context,
                                                std::exchange(m_pending, nullptr));
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
        if (!PA_CONTEXT_IS_GOOD(stateOf(playback.m_context))) {
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

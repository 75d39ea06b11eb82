#include "MonitorRecorder.h"

#include <cmath>
#include <numbers>
#include <pulse/context.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <thread>

namespace aerolap::testing {

namespace {

using namespace std::chrono_literals;

constexpr auto kConnectTimeout = 5s;
constexpr auto kFlowTimeout = 5s;
constexpr std::size_t kFlowingBlocks = 10;

} // namespace

MonitorRecorder::MonitorRecorder(const std::string& server, const std::string& source) {
    m_mainloop = pa_threaded_mainloop_new();
    pa_threaded_mainloop_start(m_mainloop);
    pa_threaded_mainloop_lock(m_mainloop);
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_mainloop), "monitor recorder");
    pa_context_set_state_callback(
        m_context,
        [](pa_context*, void* loop) {
            pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
        },
        m_mainloop);
    pa_context_connect(m_context, server.c_str(), PA_CONTEXT_NOAUTOSPAWN, nullptr);
    const auto deadline = std::chrono::steady_clock::now() + kConnectTimeout;
    while (pa_context_get_state(m_context) != PA_CONTEXT_READY &&
           PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context)) &&
           std::chrono::steady_clock::now() < deadline) {
        pa_threaded_mainloop_wait(m_mainloop);
    }
    if (pa_context_get_state(m_context) == PA_CONTEXT_READY) {
        const pa_sample_spec format{.format = PA_SAMPLE_S16LE, .rate = kSampleRate, .channels = 1};
        const auto blockBytes = static_cast<std::uint32_t>(kBlockFrames * sizeof(std::int16_t));
        const pa_buffer_attr buffer{.maxlength = static_cast<std::uint32_t>(-1),
                                    .tlength = static_cast<std::uint32_t>(-1),
                                    .prebuf = static_cast<std::uint32_t>(-1),
                                    .minreq = static_cast<std::uint32_t>(-1),
                                    .fragsize = blockBytes};
        m_stream = pa_stream_new(m_context, "monitor", &format, nullptr);
        pa_stream_set_read_callback(m_stream, &MonitorRecorder::onReadable, this);
        m_opened = pa_stream_connect_record(m_stream, source.c_str(), &buffer,
                                            PA_STREAM_ADJUST_LATENCY) == 0;
    }
    pa_threaded_mainloop_unlock(m_mainloop);
}

MonitorRecorder::~MonitorRecorder() {
    pa_threaded_mainloop_lock(m_mainloop);
    if (m_stream != nullptr) {
        pa_stream_set_read_callback(m_stream, nullptr, nullptr);
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
    }
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    pa_threaded_mainloop_unlock(m_mainloop);
    pa_threaded_mainloop_stop(m_mainloop);
    pa_threaded_mainloop_free(m_mainloop);
}

bool MonitorRecorder::waitUntilFlowing() const {
    const auto deadline = std::chrono::steady_clock::now() + kFlowTimeout;
    while (m_opened && std::chrono::steady_clock::now() < deadline) {
        {
            const std::lock_guard lock(m_mutex);
            if (m_blocks.size() >= kFlowingBlocks) {
                return true;
            }
        }
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

std::vector<MonitorRecorder::Block> MonitorRecorder::blocks() const {
    const std::lock_guard lock(m_mutex);
    return m_blocks;
}

void MonitorRecorder::onReadable(pa_stream* stream, std::size_t /*bytes*/, void* self) {
    auto& recorder = *static_cast<MonitorRecorder*>(self);
    const auto arrived = std::chrono::steady_clock::now();
    const void* data = nullptr;
    std::size_t size = 0;
    while (pa_stream_readable_size(stream) > 0 && pa_stream_peek(stream, &data, &size) == 0) {
        if (size == 0) {
            break;
        }
        const std::lock_guard lock(recorder.m_mutex);
        const auto* samples = static_cast<const std::int16_t*>(data);
        const std::size_t count = size / sizeof(std::int16_t);
        for (std::size_t i = 0; i < count; ++i) {
            // A hole in the stream (no data) counts as silence.
            recorder.m_pending.push_back(data != nullptr ? samples[i] : std::int16_t{0});
            if (recorder.m_pending.size() == kBlockFrames) {
                recorder.m_blocks.push_back({arrived, std::move(recorder.m_pending)});
                recorder.m_pending = {};
            }
        }
        pa_stream_drop(stream);
    }
}

namespace {

// Goertzel's single-frequency transform, scaled to the amplitude of a full-scale sine.
double amplitudeAt(const std::vector<std::int16_t>& samples, double frequency) {
    const double coefficient =
        2.0 * std::cos(2.0 * std::numbers::pi * frequency / MonitorRecorder::kSampleRate);
    double previous = 0.0;
    double beforePrevious = 0.0;
    for (const std::int16_t sample : samples) {
        const double current = sample / 32768.0 + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    const double power = previous * previous + beforePrevious * beforePrevious -
                         coefficient * previous * beforePrevious;
    return 2.0 * std::sqrt(std::max(power, 0.0)) / static_cast<double>(samples.size());
}

} // namespace

std::vector<ToneBlock> measureTones(const std::vector<MonitorRecorder::Block>& blocks,
                                    double firstHz, double secondHz) {
    using namespace std::chrono;
    const auto blockLength = duration_cast<steady_clock::duration>(duration<double>(
        static_cast<double>(MonitorRecorder::kBlockFrames) / MonitorRecorder::kSampleRate));
    std::vector<ToneBlock> tones;
    tones.reserve(blocks.size());
    for (const auto& block : blocks) {
        tones.push_back({.start = block.arrived - blockLength,
                         .first = amplitudeAt(block.samples, firstHz),
                         .second = amplitudeAt(block.samples, secondHz)});
    }
    return tones;
}

} // namespace aerolap::testing

#include "MonitorRecorder.h"

#include <algorithm>
#include <cmath>
#include <iterator>
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
// The sink's clock and the steady clock drift apart by up to a few hundred parts per million (the
// sound server keeps the raw hardware clock, the steady clock is slewed), so each block is placed
// by the accounts taken within half a second of it.
constexpr std::size_t kAccountWindow = MonitorRecorder::kSampleRate / 2;

std::chrono::steady_clock::duration samplesLong(std::size_t samples) {
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(static_cast<double>(samples) / MonitorRecorder::kSampleRate));
}

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
        const auto fragmentBytes =
            static_cast<std::uint32_t>(kFragmentFrames * sizeof(std::int16_t));
        const pa_buffer_attr buffer{.maxlength = static_cast<std::uint32_t>(-1),
                                    .tlength = static_cast<std::uint32_t>(-1),
                                    .prebuf = static_cast<std::uint32_t>(-1),
                                    .minreq = static_cast<std::uint32_t>(-1),
                                    .fragsize = fragmentBytes};
        m_stream = pa_stream_new(m_context, "monitor", &format, nullptr);
        pa_stream_set_read_callback(m_stream, &MonitorRecorder::onReadable, this);
        const auto flags = static_cast<pa_stream_flags_t>(
            PA_STREAM_ADJUST_LATENCY | PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE);
        m_opened = pa_stream_connect_record(m_stream, source.c_str(), &buffer, flags) == 0;
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
    std::vector<Block> placed;
    auto from = m_accounts.begin();
    auto to = m_accounts.begin();
    std::vector<std::chrono::steady_clock::time_point> nearby;
    for (std::size_t index = 0; index < m_blocks.size(); ++index) {
        const std::size_t first = index * kBlockFrames;
        while (from != m_accounts.end() && from->samplesRead + kAccountWindow < first) {
            ++from;
        }
        while (to != m_accounts.end() && to->samplesRead <= first + kAccountWindow) {
            ++to;
        }
        if (from == to) {
            continue;
        }
        // The median leaves out the few accounts a busy machine delayed.
        nearby.clear();
        std::transform(from, to, std::back_inserter(nearby),
                       [](const Account& account) { return account.firstSamplePlayed; });
        std::nth_element(nearby.begin(), nearby.begin() + std::ssize(nearby) / 2, nearby.end());
        placed.push_back({nearby[nearby.size() / 2] + samplesLong(first), m_blocks[index].samples});
    }
    return placed;
}

void MonitorRecorder::onReadable(pa_stream* stream, std::size_t /*bytes*/, void* self) {
    auto& recorder = *static_cast<MonitorRecorder*>(self);
    // A monitor's stream time is its position in what the sink plays now: the server counts back
    // the sink's own latency.
    pa_usec_t playing = 0;
    const bool accounted = pa_stream_get_time(stream, &playing) == 0 && playing > 0;
    const auto now = std::chrono::steady_clock::now();
    if (accounted) {
        const std::lock_guard lock(recorder.m_mutex);
        recorder.m_accounts.push_back(
            {recorder.m_samplesRead,
             now - std::chrono::microseconds(static_cast<std::int64_t>(playing))});
    }
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
            ++recorder.m_samplesRead;
            if (recorder.m_pending.size() == kBlockFrames) {
                recorder.m_blocks.push_back({{}, std::move(recorder.m_pending)});
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
    std::vector<ToneBlock> tones;
    tones.reserve(blocks.size());
    for (const auto& block : blocks) {
        tones.push_back({.start = block.played,
                         .first = amplitudeAt(block.samples, firstHz),
                         .second = amplitudeAt(block.samples, secondHz)});
    }
    return tones;
}

std::optional<std::chrono::steady_clock::time_point>
onsetFrom(const std::vector<MonitorRecorder::Block>& blocks,
          std::chrono::steady_clock::time_point from) {
    // A null sink's silence is exact zeros, so the first sample above this after a quiet
    // stretch is where the sound began.
    constexpr int kAudible = 100;
    constexpr std::size_t kQuietSamples = MonitorRecorder::kSampleRate / 50;
    std::size_t quietRun = 0;
    for (const auto& block : blocks) {
        for (std::size_t index = 0; index < block.samples.size(); ++index) {
            if (std::abs(static_cast<int>(block.samples[index])) <= kAudible) {
                ++quietRun;
                continue;
            }
            const auto played = block.played + samplesLong(index);
            if (quietRun >= kQuietSamples && played >= from) {
                return played;
            }
            quietRun = 0;
        }
    }
    return std::nullopt;
}

} // namespace aerolap::testing

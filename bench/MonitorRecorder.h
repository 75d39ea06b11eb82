#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace aerolap::testing {

/// Records what a PulseAudio sink plays, from its monitor source, in short blocks, each placed at
/// the moment the sink played it, so that a benchmark can tell to the sample what sounded when.
class MonitorRecorder {
public:
    static constexpr std::uint32_t kSampleRate = 44100;
    static constexpr std::size_t kBlockFrames = 220; // 5 ms
    /// What the recorder asks the server for at a time. A null sink renders in steps as short as
    /// its clients ask for, so this sets how finely the sink's output is placed in time.
    static constexpr std::size_t kFragmentFrames = 44; // 1 ms

    struct Block {
        /// When the sink played the block's first sample; sample n played n / kSampleRate later.
        std::chrono::steady_clock::time_point played;
        std::vector<std::int16_t> samples;
    };

    /// Starts recording at once from the source of the given server.
    MonitorRecorder(const std::string& server, const std::string& source);
    ~MonitorRecorder();
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    /// Waits, a few seconds at most, until the monitor delivers in short blocks: a null sink
    /// finishes the long block it was rendering before it takes up the recorder's short latency.
    bool waitUntilFlowing() const;
    /// The blocks so far, each placed by the server's account of the monitor's position taken
    /// around it; blocks before the server gave its first account are left out.
    std::vector<Block> blocks() const;

private:
    static void onReadable(pa_stream* stream, std::size_t bytes, void* self);

    pa_threaded_mainloop* m_mainloop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    bool m_opened = false;
    mutable std::mutex m_mutex;
    /// The sink's play time of sample 0 as the server saw it when a given sample had been read.
    struct Account {
        std::size_t samplesRead;
        std::chrono::steady_clock::time_point firstSamplePlayed;
    };

    std::vector<std::int16_t> m_pending;
    std::vector<Block> m_blocks;
    std::size_t m_samplesRead = 0;
    std::vector<Account> m_accounts;
};

/// How strongly each of two tones sounds in every recorded block.
struct ToneBlock {
    std::chrono::steady_clock::time_point start;
    double first = 0.0;  // amplitude of the first tone, 0..1 of full scale
    double second = 0.0; // amplitude of the second tone
};

std::vector<ToneBlock> measureTones(const std::vector<MonitorRecorder::Block>& blocks,
                                    double firstHz, double secondHz);

/// The moment, to the sample, that the first sound played at `from` or later began: the first
/// audible sample after at least 20 ms of silence.
std::optional<std::chrono::steady_clock::time_point>
onsetFrom(const std::vector<MonitorRecorder::Block>& blocks,
          std::chrono::steady_clock::time_point from);

} // namespace aerolap::testing

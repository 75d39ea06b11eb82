#pragma once

#include "platform/PcmSound.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <pulse/simple.h>
#include <string>
#include <vector>

namespace aerolap::testing {

/// Tones the tests play and tell apart on a private server's null sink.

/// A square wave, which crosses zero as often as a sine of its frequency does.
inline std::shared_ptr<const PcmSound> tone(int frequency, double seconds, int rate = 22050,
                                            std::uint16_t channels = 1) {
    std::vector<std::uint8_t> bytes;
    for (long long i = 0; i < static_cast<long long>(seconds * rate); ++i) {
        const bool high = i * frequency * 2 / rate % 2 == 0;
        for (std::uint16_t channel = 0; channel < channels; ++channel) {
            bytes.insert(bytes.end(),
                         {0, high ? std::uint8_t{0x30} : std::uint8_t{0xD0}}); // ±12288
        }
    }
    return std::make_shared<const PcmSound>(PcmSound{SampleFormat::Signed16LittleEndian,
                                                     static_cast<std::uint32_t>(rate), channels,
                                                     std::move(bytes)});
}

/// The monitor of the server's "cues" sink, read in 20 ms blocks of 8 kHz mono; null when the
/// server does not answer.
inline pa_simple* listenToSink(const std::string& server) {
    const pa_sample_spec format{PA_SAMPLE_S16LE, 8000, 1};
    const pa_buffer_attr shortBlocks{~0U, ~0U, ~0U, ~0U, 320};
    return pa_simple_new(server.c_str(), "test", PA_STREAM_RECORD, "cues.monitor", "monitor",
                         &format, nullptr, &shortBlocks, nullptr);
}

/// The next 20 ms the sink played: silence (.), the 500 Hz tone (A) or the 1500 Hz one (B).
inline char heardNext(pa_simple* monitor) {
    std::array<std::int16_t, 160> block{};
    EXPECT_EQ(pa_simple_read(monitor, block.data(), sizeof block, nullptr), 0);
    int loud = 0, crossings = 0;
    for (std::size_t i = 1; i < block.size(); ++i) {
        loud += std::abs(block[i]) > 2000;
        crossings += (block[i - 1] < 0) != (block[i] < 0);
    }
    // Crossings per sounding sample, so that a block the tone fills only in part counts alike:
    // about 1 in 8 for 500 Hz, 3 in 8 for 1500 Hz.
    return loud < 8 ? '.' : crossings * 4 < loud ? 'A' : 'B';
}

} // namespace aerolap::testing

#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace aerolap {

enum class SampleFormat { Unsigned8, Signed16LittleEndian };

/// A whole sound held in memory as interleaved PCM samples, ready for a playback stream.
struct PcmSound {
    SampleFormat format = SampleFormat::Signed16LittleEndian;
    std::uint32_t sampleRate = 0;
    std::uint16_t channels = 0;
    std::vector<std::uint8_t> bytes;

    std::size_t bytesPerFrame() const {
        return channels * (format == SampleFormat::Unsigned8 ? std::size_t{1} : std::size_t{2});
    }
};

} // namespace aerolap

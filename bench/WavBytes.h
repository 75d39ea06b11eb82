#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

namespace aerolap::testing {

using Bytes = std::vector<std::uint8_t>;

/// A WAV file built in memory; `skipped` is the body of a chunk before the format, which a
/// reader must pass over.
inline Bytes wavBytes(std::uint16_t channels, std::uint16_t bits, std::uint32_t rate,
                      const Bytes& samples, std::uint16_t formatTag = 1, std::string skipped = {}) {
    Bytes out;
    const auto put = [&out](auto value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.push_back(static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) >> (8 * i)));
        }
    };
    const auto tag = [&out](const char* text) { out.insert(out.end(), text, text + 4); };
    const std::size_t declared = skipped.size();
    skipped.resize(declared + declared % 2); // chunks keep an even length
    tag("RIFF"), put(36 + samples.size() + (skipped.empty() ? 0 : 8 + skipped.size()), 4);
    tag("WAVE");
    if (!skipped.empty()) {
        tag("LIST"), put(declared, 4), out.insert(out.end(), skipped.begin(), skipped.end());
    }
    tag("fmt "), put(16, 4), put(formatTag, 2), put(channels, 2), put(rate, 4);
    put(rate * channels * bits / 8, 4), put(channels * bits / 8, 2), put(bits, 2);
    tag("data"), put(samples.size(), 4), out.insert(out.end(), samples.begin(), samples.end());
    return out;
}

/// Mono 16-bit samples of a sine at about 0.37 of full scale.
inline Bytes toneSamples(double frequency, double seconds, std::uint32_t rate = 22050) {
    Bytes samples;
    for (int i = 0; i < static_cast<int>(seconds * rate); ++i) {
        const auto value = static_cast<std::uint16_t>(static_cast<std::int16_t>(
            12000.0 * std::sin(2.0 * std::numbers::pi * frequency * i / rate)));
        samples.insert(samples.end(),
                       {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)});
    }
    return samples;
}

} // namespace aerolap::testing

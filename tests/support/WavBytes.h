#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

namespace aerolap::testing {

/// Builds WAV files in memory, well-formed or deliberately damaged, for the decoder and the
/// sound back ends.
struct WavBytes {
    std::uint16_t formatTag = 1;
    std::uint16_t channels = 1;
    std::uint32_t sampleRate = 22050;
    std::uint16_t bitsPerSample = 16;
    std::vector<std::uint8_t> samples;
    std::vector<std::string> chunksBeforeFormat; // extra chunks, to be skipped by a reader

    std::vector<std::uint8_t> build() const {
        std::vector<std::uint8_t> out;
        tag(out, "RIFF");
        u32(out, 0); // patched below
        tag(out, "WAVE");
        for (const auto& body : chunksBeforeFormat) {
            tag(out, "LIST");
            u32(out, static_cast<std::uint32_t>(body.size()));
            out.insert(out.end(), body.begin(), body.end());
            if (body.size() % 2 != 0) {
                out.push_back(0);
            }
        }
        tag(out, "fmt ");
        u32(out, 16);
        u16(out, formatTag);
        u16(out, channels);
        u32(out, sampleRate);
        const auto blockAlign = static_cast<std::uint16_t>(channels * bitsPerSample / 8);
        u32(out, sampleRate * blockAlign);
        u16(out, blockAlign);
        u16(out, bitsPerSample);
        tag(out, "data");
        u32(out, static_cast<std::uint32_t>(samples.size()));
        out.insert(out.end(), samples.begin(), samples.end());
        const auto riffSize = static_cast<std::uint32_t>(out.size() - 8);
        for (int i = 0; i < 4; ++i) {
            out[4 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(riffSize >> (8 * i));
        }
        return out;
    }

    /// A mono 16-bit sine of the given frequency and length.
    static WavBytes tone(double frequency, double seconds, std::uint32_t rate = 22050) {
        WavBytes wav;
        wav.sampleRate = rate;
        const auto count = static_cast<int>(seconds * rate);
        for (int i = 0; i < count; ++i) {
            const auto value = static_cast<std::int16_t>(
                12000.0 * std::sin(2.0 * std::numbers::pi * frequency * i / rate));
            const auto bits = static_cast<std::uint16_t>(value);
            wav.samples.push_back(static_cast<std::uint8_t>(bits & 0xFF));
            wav.samples.push_back(static_cast<std::uint8_t>(bits >> 8));
        }
        return wav;
    }

private:
    static void tag(std::vector<std::uint8_t>& out, const char* text) {
        for (int i = 0; i < 4; ++i) {
            out.push_back(static_cast<std::uint8_t>(text[i]));
        }
    }
    static void u16(std::vector<std::uint8_t>& out, std::uint16_t value) {
        out.push_back(static_cast<std::uint8_t>(value & 0xFF));
        out.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    static void u32(std::vector<std::uint8_t>& out, std::uint32_t value) {
        u16(out, static_cast<std::uint16_t>(value & 0xFFFF));
        u16(out, static_cast<std::uint16_t>(value >> 16));
    }
};

} // namespace aerolap::testing

#include "WavDecoder.h"

#include <algorithm>
#include <string_view>

namespace aerolap {

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
constexpr std::uint32_t kHighestSampleRate = 384000;
constexpr std::size_t kChunkHeaderSize = 8;
constexpr std::size_t kPlainFormatSize = 16;
constexpr std::size_t kExtensibleFormatSize = 40;
constexpr std::size_t kSubFormatOffset = 24;

/// Reads little-endian fields and fourcc tags by offset, refusing to run past the end.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    bool has(std::size_t offset, std::size_t count) const {
        return offset <= m_bytes.size() && count <= m_bytes.size() - offset;
    }
    std::uint16_t u16(std::size_t offset) const {
        return static_cast<std::uint16_t>(m_bytes[offset] | (m_bytes[offset + 1] << 8));
    }
    std::uint32_t u32(std::size_t offset) const {
        return static_cast<std::uint32_t>(u16(offset)) |
               (static_cast<std::uint32_t>(u16(offset + 2)) << 16);
    }
    bool tagIs(std::size_t offset, std::string_view tag) const {
        return std::equal(tag.begin(), tag.end(), m_bytes.begin() + static_cast<long>(offset),
                          [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
    }
    std::span<const std::uint8_t> slice(std::size_t offset, std::size_t count) const {
        return m_bytes.subspan(offset, count);
    }
    std::size_t size() const { return m_bytes.size(); }

private:
    std::span<const std::uint8_t> m_bytes;
};

struct FormatChunk {
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
};

std::optional<FormatChunk> readFormat(const ByteReader& in, std::size_t offset, std::size_t size) {
    if (size < kPlainFormatSize) {
        return std::nullopt;
    }
    std::uint16_t formatTag = in.u16(offset);
    if (formatTag == kFormatExtensible && size >= kExtensibleFormatSize) {
        formatTag = in.u16(offset + kSubFormatOffset);
    }
    const FormatChunk format{.channels = in.u16(offset + 2),
                             .sampleRate = in.u32(offset + 4),
                             .bitsPerSample = in.u16(offset + 14)};
    const std::uint16_t blockAlign = in.u16(offset + 12);
    const bool supported = formatTag == kFormatPcm &&
                           (format.channels == 1 || format.channels == 2) &&
                           (format.bitsPerSample == 8 || format.bitsPerSample == 16) &&
                           format.sampleRate > 0 && format.sampleRate <= kHighestSampleRate &&
                           blockAlign == format.channels * format.bitsPerSample / 8;
    return supported ? std::optional(format) : std::nullopt;
}

} // namespace

std::optional<PcmSound> decodeWav(std::span<const std::uint8_t> file) {
    const ByteReader in(file);
    if (!in.has(0, 12) || !in.tagIs(0, "RIFF") || !in.tagIs(8, "WAVE")) {
        return std::nullopt;
    }
    std::optional<FormatChunk> format;
    std::size_t offset = 12;
    while (in.has(offset, kChunkHeaderSize)) {
        const std::size_t declared = in.u32(offset + 4);
        const std::size_t body = offset + kChunkHeaderSize;
        const std::size_t available = std::min(declared, in.size() - body);
        if (in.tagIs(offset, "fmt ")) {
            format = readFormat(in, body, available);
            if (!format) {
                return std::nullopt;
            }
        } else if (in.tagIs(offset, "data")) {
            if (!format) {
                return std::nullopt;
            }
            PcmSound sound{.format = format->bitsPerSample == 8
                                         ? SampleFormat::Unsigned8
                                         : SampleFormat::Signed16LittleEndian,
                           .sampleRate = format->sampleRate,
                           .channels = format->channels,
                           .bytes = {}};
            const std::size_t whole = available - available % sound.bytesPerFrame();
            if (whole == 0) {
                return std::nullopt;
            }
            const auto samples = in.slice(body, whole);
            sound.bytes.assign(samples.begin(), samples.end());
            return sound;
        }
        if (declared > in.size() - body) {
            return std::nullopt;
        }
        // Chunks are padded to an even length.
        offset = body + declared + declared % 2;
    }
    return std::nullopt;
}

} // namespace aerolap

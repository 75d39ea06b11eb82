#include "WavFileImage.h"

#include <algorithm>
#include <string_view>

namespace aerolap {
namespace {

constexpr std::size_t kHeaderBytes = 44;

/// Writes the header into a buffer of its exact size, front to back.
class HeaderWriter {
public:
    explicit HeaderWriter(std::uint8_t* at) : m_at(at) {}

    void tag(std::string_view text) { m_at = std::copy(text.begin(), text.end(), m_at); }

    /// Little-endian, as every number in a RIFF file.
    template <typename Number> void number(Number value) {
        for (std::size_t i = 0; i < sizeof(Number); ++i) {
            *m_at++ = static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) >> (8 * i));
        }
    }

private:
    std::uint8_t* m_at;
};

} // namespace

std::vector<std::uint8_t> wavFileImage(const PcmSound& sound) {
    const auto dataBytes = static_cast<std::uint32_t>(sound.bytes.size());
    const auto frameBytes = static_cast<std::uint16_t>(sound.bytesPerFrame());
    std::vector<std::uint8_t> bytes(kHeaderBytes + sound.bytes.size());
    HeaderWriter header(bytes.data());
    header.tag("RIFF");
    header.number(static_cast<std::uint32_t>(kHeaderBytes - 8 + dataBytes));
    header.tag("WAVEfmt ");
    header.number(std::uint32_t{16});
    header.number(std::uint16_t{1}); // PCM
    header.number(sound.channels);
    header.number(sound.sampleRate);
    header.number(static_cast<std::uint32_t>(sound.sampleRate * frameBytes));
    header.number(frameBytes);
    header.number(static_cast<std::uint16_t>(sound.format == SampleFormat::Unsigned8 ? 8 : 16));
    header.tag("data");
    header.number(dataBytes);
    std::copy(sound.bytes.begin(), sound.bytes.end(),
              bytes.begin() + static_cast<std::ptrdiff_t>(kHeaderBytes));
    return bytes;
}

} // namespace aerolap

#include "DecodingSoundOutput.h"

#include "AlertSound.h"
#include "WavDecoder.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

namespace aerolap {

namespace {

// Far above any announcement; keeps a wrong path to a huge file from stalling the caller.
constexpr std::streamsize kLargestFile = 64 * 1024 * 1024;

std::optional<std::vector<std::uint8_t>> readWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        return std::nullopt;
    }
    const std::streamsize size = file.tellg();
    if (size < 0 || size > kLargestFile) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), size)) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

void DecodingSoundOutput::playFileAsync(const std::string& path) {
    std::optional<PcmSound> decoded;
    if (const auto bytes = readWholeFile(path)) {
        decoded = decodeWav(*bytes);
    }
    if (decoded) {
        m_playback.play(std::make_shared<const PcmSound>(std::move(*decoded)));
    } else {
        m_playback.play(alertSound());
    }
}

} // namespace aerolap

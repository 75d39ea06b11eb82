#include "SoundFileDecoder.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <sndfile.h>
#include <vector>

namespace aerolap {

namespace {

// Far above any announcement; keeps a wrong path to a huge file from filling memory.
constexpr std::uintmax_t kLargestFile = 64 * 1024 * 1024;
// The decoded samples of a compressed file may be many times its size: a cue longer than this
// is cut rather than allowed to take the memory of the whole laptop.
constexpr std::size_t kLargestDecodedBytes = 64 * 1024 * 1024;
constexpr int kLowestRate = 8000;
constexpr int kHighestRate = 192000;
constexpr sf_count_t kFramesPerRead = 4096;

struct SoundFileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SoundFileHandle = std::unique_ptr<SNDFILE, SoundFileCloser>;

std::string encodingName(int format) {
    SF_FORMAT_INFO info{};
    info.format = format & SF_FORMAT_SUBMASK;
    if (sf_command(nullptr, SFC_GET_FORMAT_INFO, &info, sizeof info) != 0 || info.name == nullptr) {
        return "unknown encoding";
    }
    return info.name;
}

std::string problemOf(const OpenedRegularFile& opened) {
    switch (opened.refusal) {
    case FileRefusal::Missing:
        return "missing";
    case FileRefusal::NotRegular:
        return "not a regular file";
    case FileRefusal::Empty:
        return "empty";
    case FileRefusal::TooLarge:
        return "larger than 64 MB";
    case FileRefusal::Unreadable:
        return "cannot be read: " + opened.systemError;
    case FileRefusal::None:
        break;
    }
    return {};
}

// libsndfile reads the open stream through these, the same on every system. The files are at
// most 64 MB, so every offset fits a long.
std::FILE* streamOf(void* file) {
    return static_cast<std::FILE*>(file);
}

const SF_VIRTUAL_IO kStreamReader{
    [](void* file) -> sf_count_t {
        std::FILE* stream = streamOf(file);
        const long here = std::ftell(stream);
        std::fseek(stream, 0, SEEK_END);
        const long length = std::ftell(stream);
        std::fseek(stream, here, SEEK_SET);
        return length;
    },
    [](sf_count_t offset, int whence, void* file) -> sf_count_t {
        std::FILE* stream = streamOf(file);
        return std::fseek(stream, static_cast<long>(offset), whence) == 0 ? std::ftell(stream) : -1;
    },
    [](void* buffer, sf_count_t count, void* file) -> sf_count_t {
        return static_cast<sf_count_t>(
            std::fread(buffer, 1, static_cast<std::size_t>(count), streamOf(file)));
    },
    [](const void*, sf_count_t, void*) -> sf_count_t { return 0; },
    [](void* file) -> sf_count_t { return std::ftell(streamOf(file)); },
};

/// Reads every frame as 16-bit samples; more than two channels are averaged into one.
std::vector<std::int16_t> readSamples(SNDFILE* file, int channels, int outputChannels) {
    std::vector<std::int16_t> samples;
    std::vector<std::int16_t> block(static_cast<std::size_t>(kFramesPerRead * channels));
    const std::size_t largestCount = kLargestDecodedBytes / sizeof(std::int16_t);
    while (samples.size() < largestCount) {
        const sf_count_t frames = sf_readf_short(file, block.data(), kFramesPerRead);
        if (frames <= 0) {
            break;
        }
        const auto count = static_cast<std::size_t>(frames);
        if (outputChannels == channels) {
            samples.insert(samples.end(), block.begin(),
                           block.begin() + static_cast<std::ptrdiff_t>(count) * channels);
            continue;
        }
        for (std::size_t frame = 0; frame < count; ++frame) {
            long sum = 0;
            for (int channel = 0; channel < channels; ++channel) {
                sum += block[frame * static_cast<std::size_t>(channels) +
                             static_cast<std::size_t>(channel)];
            }
            samples.push_back(static_cast<std::int16_t>(sum / channels));
        }
    }
    samples.resize(std::min(samples.size(), largestCount));
    return samples;
}

} // namespace

DecodedSoundFile decodeSoundFile(const std::filesystem::path& path,
                                 const RegularFileOpener& files) {
    DecodedSoundFile result;
    const OpenedRegularFile opened = files.open(path, kLargestFile);
    if (!opened.file) {
        result.problem = problemOf(opened);
        return result;
    }
    SF_INFO info{};
    SF_VIRTUAL_IO reader = kStreamReader;
    const SoundFileHandle file(sf_open_virtual(&reader, SFM_READ, &info, opened.file.get()));
    if (!file) {
        result.problem =
            std::string("not a sound file that can be read (") + sf_strerror(nullptr) + ")";
        return result;
    }
    result.encoding = encodingName(info.format);
    result.sampleRate = info.samplerate;
    result.channels = info.channels;
    if (info.channels < 1) {
        result.problem = "no channels";
        return result;
    }
    if (info.samplerate < kLowestRate || info.samplerate > kHighestRate) {
        result.problem = "sample rate outside 8 to 192 kHz";
        return result;
    }
    // Float samples run from -1 to 1; read as integers unscaled they would all be silence.
    sf_command(file.get(), SFC_SET_SCALE_FLOAT_INT_READ, nullptr, SF_TRUE);
    const int outputChannels = info.channels > 2 ? 1 : info.channels;
    const std::vector<std::int16_t> samples =
        readSamples(file.get(), info.channels, outputChannels);
    if (samples.empty()) {
        result.problem = "no samples";
        return result;
    }
    auto sound = std::make_shared<PcmSound>();
    sound->format = SampleFormat::Signed16LittleEndian;
    sound->sampleRate = static_cast<std::uint32_t>(info.samplerate);
    sound->channels = static_cast<std::uint16_t>(outputChannels);
    sound->bytes.resize(samples.size() * sizeof(std::int16_t));
    static_assert(std::endian::native == std::endian::little,
                  "the playback takes little-endian samples as they lie in memory");
    std::memcpy(sound->bytes.data(), samples.data(), sound->bytes.size());
    result.seconds = static_cast<double>(samples.size()) / outputChannels / info.samplerate;
    result.sound = std::move(sound);
    return result;
}

} // namespace aerolap

#include "SoundFileDecoder.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace aerolap {

namespace {

// Far above any announcement; keeps a wrong path to a huge file from filling memory.
constexpr off_t kLargestFile = 64 * 1024 * 1024;
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

std::string systemError(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

/// Opens the file for reading only if it is a regular file of a sane size, checked before the
/// open (so a FIFO is never opened) and again on the open descriptor (so a file swapped in
/// between is caught too).
int openRegularFile(const std::filesystem::path& path, std::string& problem) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        problem = errno == ENOENT ? "missing" : systemError("cannot be read");
        return -1;
    }
    const auto unsuitable = [&problem](const struct stat& s) {
        if (!S_ISREG(s.st_mode)) {
            problem = "not a regular file";
        } else if (s.st_size > kLargestFile) {
            problem = "larger than 64 MB";
        } else if (s.st_size == 0) {
            problem = "empty";
        } else {
            return false;
        }
        return true;
    };
    if (unsuitable(status)) {
        return -1;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        problem = systemError("cannot be read");
        return -1;
    }
    if (::fstat(fd, &status) != 0 || unsuitable(status)) {
        if (problem.empty()) {
            problem = systemError("cannot be read");
        }
        ::close(fd);
        return -1;
    }
    return fd;
}

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

DecodedSoundFile decodeSoundFile(const std::filesystem::path& path) {
    DecodedSoundFile result;
    const int fd = openRegularFile(path, result.problem);
    if (fd < 0) {
        return result;
    }
    SF_INFO info{};
    const SoundFileHandle file(sf_open_fd(fd, SFM_READ, &info, SF_TRUE));
    if (!file) {
        ::close(fd);
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

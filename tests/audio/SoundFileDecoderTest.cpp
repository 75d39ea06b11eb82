#include "audio/SoundFileDecoder.h"

#include "SoxTones.h"
#include "systems/linux/PosixRegularFileOpener.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace aerolap {
namespace {

namespace fs = std::filesystem;

class SoundFolder : public ::testing::Test {
protected:
    fs::path folder = fs::temp_directory_path() / ("aerolap-decode-" + std::to_string(::getpid()));
    PosixRegularFileOpener files;
    void SetUp() override { fs::create_directories(folder); }
    void TearDown() override { fs::remove_all(folder); }

    /// A 0.2 s tone made by sox with `options` before the file name.
    fs::path tone(const std::string& name, const std::string& options) {
        EXPECT_TRUE(testing::writeSoxTone(folder / name, options)) << options;
        return folder / name;
    }
};

TEST_F(SoundFolder, DecodesEveryEncodingToSixteenBitSamplesOfTheWholeSound) {
    for (const auto& [options, encoding, rate, channels] : testing::kWindowsEncodings) {
        SCOPED_TRACE(encoding);
        const DecodedSoundFile decoded = decodeSoundFile(tone("cue.wav", options), files);
        ASSERT_TRUE(decoded.sound) << decoded.problem;
        EXPECT_EQ(decoded.encoding, encoding);
        EXPECT_EQ(decoded.sound->sampleRate, rate);
        EXPECT_EQ(decoded.sound->channels, channels);
        // PCM keeps its exact length, also where channels are mixed down.
        const bool pcm = std::string_view(encoding).find("bit PCM") != std::string_view::npos;
        EXPECT_NEAR(decoded.seconds, 0.2, pcm ? 1e-9 : 0.05);
        // A sine at full scale: some sample lies far from silence.
        const auto* samples = reinterpret_cast<const std::int16_t*>(decoded.sound->bytes.data());
        EXPECT_GT(*std::max_element(samples, samples + decoded.sound->bytes.size() / 2), 8000);
    }
}

// MP3 inside a WAV (format 0x55), which sox cannot write: libsndfile encodes the MP3 stream and
// the test wraps it as Windows' sound recorder does.
TEST_F(SoundFolder, DecodesMp3InsideAWav) {
    SF_INFO format{0, 44100, 1, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 0, 0};
    SNDFILE* encoder = sf_open((folder / "cue.mp3").c_str(), SFM_WRITE, &format);
    ASSERT_NE(encoder, nullptr) << sf_strerror(nullptr);
    std::vector<short> tone(8820);
    for (std::size_t i = 0; i < tone.size(); ++i) {
        tone[i] = static_cast<short>(12000 * std::sin(0.0627 * static_cast<double>(i))); // 440 Hz
    }
    sf_write_short(encoder, tone.data(), std::ssize(tone));
    sf_close(encoder);
    std::ifstream mp3(folder / "cue.mp3", std::ios::binary);
    std::string stream((std::istreambuf_iterator<char>(mp3)), {});
    stream.resize(stream.size() + stream.size() % 2);
    const auto le32 = [](std::size_t value) {
        return std::string{static_cast<char>(value), static_cast<char>(value >> 8),
                           static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
    };
    // A 30-byte format chunk: MPEG layer III, mono, 44.1 kHz, 16000 bytes a second, then the
    // fields of its own (ID, flags, block size, frames per block, codec delay).
    const std::string header = std::string("WAVEfmt \x1e\0\0\0\x55\0\x01\0\x44\xac\0\0\x80\x3e\0\0"
                                           "\x01\0\0\0\x0c\0\x01\0\x02\0\0\0\xa2\x01\x01\0\x71\x05",
                                           42) +
                               "data" + le32(stream.size());
    std::ofstream(folder / "mp3.wav", std::ios::binary)
        << "RIFF" << le32(header.size() + stream.size()) << header << stream;
    const DecodedSoundFile decoded = decodeSoundFile(folder / "mp3.wav", files);
    ASSERT_TRUE(decoded.sound) << decoded.problem;
    EXPECT_EQ(decoded.encoding, "MPEG Layer III");
    EXPECT_NEAR(decoded.seconds, 0.2, 0.05);
}

// Whatever lies where a cue should be gets a reason and no sound; nothing blocks or reads
// unbounded.
TEST_F(SoundFolder, RefusesWhatIsNotAPlayableSoundAndSaysWhy) {
    ASSERT_EQ(::mkfifo((folder / "fifo.wav").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", folder / "zero.wav");
    fs::create_directory(folder / "folder.wav");
    std::ofstream(folder / "text.wav") << "not a sound";
    std::ofstream(folder / "empty.wav");
    fs::resize_file(tone("huge.wav", "-r 8000"), 200 * 1024 * 1024);
    const std::pair<const char*, const char*> cases[] = {
        {"missing.wav", "missing"},
        {"fifo.wav", "not a regular file"},
        {"zero.wav", "not a regular file"},
        {"folder.wav", "not a regular file"},
        {"text.wav", "not a sound file that can be read"},
        {"empty.wav", "empty"},
        {"huge.wav", "larger than 64 MB"},
    };
    for (const auto& [file, problem] : cases) {
        const DecodedSoundFile decoded = decodeSoundFile(folder / file, files);
        EXPECT_FALSE(decoded.sound) << file;
        EXPECT_EQ(decoded.problem.rfind(problem, 0), 0u) << file << ": " << decoded.problem;
    }
}

// A file cut short, or one whose header claims 4 GB, plays as far as its samples go.
TEST_F(SoundFolder, PlaysADamagedFileAsFarAsItGoes) {
    const fs::path whole = tone("whole.wav", "-r 8000 -b 16");
    fs::copy_file(whole, folder / "claims.wav");
    std::fstream claims(folder / "claims.wav", std::ios::in | std::ios::out | std::ios::binary);
    claims.seekp(40);
    claims.write("\xF0\xFF\xFF\xFF", 4);
    claims.close();
    fs::copy_file(whole, folder / "cut.wav");
    fs::resize_file(folder / "cut.wav", fs::file_size(whole) / 2);
    EXPECT_NEAR(decodeSoundFile(folder / "claims.wav", files).seconds, 0.2, 0.01);
    EXPECT_NEAR(decodeSoundFile(folder / "cut.wav", files).seconds, 0.1, 0.01);
}

} // namespace
} // namespace aerolap

#include "WavBytes.h"
#include "audio/AlertSound.h"
#include "audio/DecodingSoundOutput.h"
#include "audio/SoundFiles.h"
#include "audio/SoundOutputCuePlayer.h"
#include "audio/WavDecoder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>

namespace aerolap::testing {
namespace {

namespace fs = std::filesystem;

double secondsOf(const PcmSound& sound) {
    return static_cast<double>(sound.bytes.size() / sound.bytesPerFrame()) / sound.sampleRate;
}

struct RecordingPlayback final : PcmPlayback {
    void play(std::shared_ptr<const PcmSound> sound) override { played.push_back(sound); }
    std::vector<std::shared_ptr<const PcmSound>> played;
};

TEST(CuePlayer, PlaysEachCueFromTheSoundRootAtOnceAndTheAlertForAnythingUnplayable) {
    const fs::path folder = fs::path(::testing::TempDir()) / "aerolap-sounds" / "reriva3rira";
    fs::create_directories(folder / "2.wav"); // a folder, not a file
    const Bytes samples = {1, 2, 3, 4};
    const Bytes five = wavBytes(1, 16, 8000, samples);
    std::ofstream(folder / "5.wav", std::ios::binary) << std::string(five.begin(), five.end());
    std::ofstream(folder / "4.wav");
    std::ofstream(folder / "3.wav") << "not a sound";
    RecordingPlayback playback;
    DecodingSoundOutput output{playback};
    SoundOutputCuePlayer player{output, SoundPaths::underRoot(folder.parent_path())};
    // Each request goes straight on to the playback, which cuts the older sound for the newer.
    for (const auto cue : {sounds::kCount5, sounds::kCount4, sounds::kCount3, sounds::kCount2,
                           sounds::kCount1, sounds::kCount5}) {
        player.playCue(cue);
    }
    ASSERT_EQ(playback.played.size(), 6U);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(playback.played[i] == alertSound(), i % 5 != 0) << i;
        EXPECT_EQ(playback.played[i]->bytes == samples, i % 5 == 0) << i;
    }
    fs::remove_all(folder.parent_path());
}

TEST(AlertSound, IsShortAndAudible) {
    const auto alert = alertSound();
    EXPECT_GT(secondsOf(*alert), 0.1);
    EXPECT_LT(secondsOf(*alert), 0.3);
    int loudest = 0;
    for (std::size_t i = 0; i + 1 < alert->bytes.size(); i += 2) {
        loudest = std::max(loudest, std::abs(static_cast<std::int16_t>(alert->bytes[i] |
                                                                       alert->bytes[i + 1] << 8)));
    }
    EXPECT_GT(loudest, 8000);
}

TEST(SoundPaths, TheDriveStandsForTheRootAndNamesAreKept) {
    EXPECT_EQ(SoundPaths::unchanged().fileFor(sounds::kSiren), sounds::kSiren);
    for (const char* cue : {R"(c:\zodura3v\beep To.WAV)", R"(D:\zodura3v\\beep To.WAV)",
                            R"(\zodura3v\beep To.WAV)"}) {
        EXPECT_EQ(SoundPaths::underRoot("/r").fileFor(cue), "/r/zodura3v/beep To.WAV") << cue;
    }
    const std::vector<fs::path> candidates = {"/installed", "/beside"};
    const auto only = [](const char* folder) {
        return [=](const fs::path& p) { return p == folder; };
    };
    EXPECT_EQ(findSoundRoot("/env", candidates, only("/beside")), "/env");
    EXPECT_EQ(findSoundRoot("", candidates, only("/beside")), "/beside") << "empty is unset";
    EXPECT_EQ(findSoundRoot(nullptr, candidates, only("/installed")), "/installed");
    EXPECT_EQ(findSoundRoot(nullptr, candidates, only("")), "/beside");
    EXPECT_EQ(findSoundRoot(nullptr, {}, only("")), fs::path{});
}

TEST(WavDecoder, DecodesEachSupportedLayoutSkippingOtherChunksAndWholeFramesOnly) {
    const Bytes samples = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    for (const auto& [channels, bits] :
         {std::pair<std::uint16_t, std::uint16_t>{1, 8}, {2, 8}, {1, 16}, {2, 16}}) {
        auto bytes = wavBytes(channels, bits, 96000, samples, 1, "odd");
        bytes.resize(bytes.size() - 3); // cuts into the last frame of every layout
        const auto sound = decodeWav(bytes);
        ASSERT_TRUE(sound) << channels << " x " << bits;
        EXPECT_EQ(sound->format,
                  bits == 8 ? SampleFormat::Unsigned8 : SampleFormat::Signed16LittleEndian);
        EXPECT_EQ(sound->channels, channels);
        EXPECT_EQ(sound->sampleRate, 96000U);
        EXPECT_EQ(sound->bytes,
                  Bytes(samples.begin(), samples.begin() + 9 - 9 % (channels * bits / 8)));
    }
}

TEST(WavDecoder, RefusesWhatItCannotPlayAndDamagedOrForeignFiles) {
    const Bytes good = wavBytes(1, 16, 8000, {1, 2, 3, 4});
    const std::string text = "just some text, not a sound";
    const auto changed = [&](std::size_t at, std::uint8_t value, std::size_t size = 0) {
        Bytes bytes = good;
        bytes[at] = value;
        bytes.resize(size == 0 ? bytes.size() : size);
        return bytes;
    };
    const std::pair<const char*, Bytes> refused[] = {
        {"float", wavBytes(1, 16, 8000, {1, 2}, 3)},
        {"24 bit", wavBytes(1, 24, 8000, {1, 2, 3})},
        {"no channel", wavBytes(0, 16, 8000, {1, 2})},
        {"three channels", wavBytes(3, 16, 8000, {1, 2, 3, 4, 5, 6})},
        {"rate 0", wavBytes(1, 16, 0, {1, 2})},
        {"rate too high", wavBytes(1, 16, 384001, {1, 2})},
        {"no whole frame", wavBytes(2, 16, 8000, {1, 2})},
        {"cut in the header", changed(0, 'R', 10)},
        {"format cut short", changed(0, 'R', 30)},
        {"not WAVE", changed(8, 'X')},
        {"format past the end", changed(19, 0x7F)},
        {"wrong block size", changed(32, 3)},
        {"no format before the data", changed(12, 'd')},
        {"text", Bytes(text.begin(), text.end())},
    };
    for (const auto& [name, bytes] : refused) {
        EXPECT_FALSE(decodeWav(bytes)) << name;
    }
}

TEST(SoundSet, HoldsExactlyTheCuesFilesEachPlayableWithinItsTime) {
    const fs::path root = AEROLAP_GENERATED_SOUND_ROOT;
    std::set<std::string> expected, present;
    for (const std::string_view cue : sounds::kAll) {
        const std::string file = SoundPaths::underRoot(root).fileFor(std::string(cue));
        expected.insert(file);
        std::ifstream stream(file, std::ios::binary);
        const auto sound = decodeWav(Bytes{std::istreambuf_iterator<char>(stream), {}});
        ASSERT_TRUE(sound) << file;
        // Counts end within their second, the end-of-task beep lasts its three seconds, and
        // the rest end before the beep three seconds after them.
        const std::string_view name = cue.substr(cue.rfind('\\') + 1);
        const bool count = name.size() == 5 || name == "BEEPVUZ.WAV" || name == "beepTo.wav";
        const bool threeSeconds = cue == sounds::kBeep3Seconds;
        EXPECT_GT(secondsOf(*sound), threeSeconds ? 2.95 : 0.1) << file;
        EXPECT_LT(secondsOf(*sound), threeSeconds ? 3.05 : count ? 1.0 : 3.0) << file;
    }
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            present.insert(entry.path().string());
        }
    }
    EXPECT_EQ(present, expected);
}

} // namespace
} // namespace aerolap::testing

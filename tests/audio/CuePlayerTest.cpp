#include "WavBytes.h"
#include "audio/AlertSound.h"
#include "audio/DecodingSoundOutput.h"
#include "audio/SoundFiles.h"
#include "audio/SoundOutputCuePlayer.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <type_traits>
#include <vector>

namespace aerolap {
namespace {

namespace fs = std::filesystem;

class RecordingSoundOutput final : public SoundOutput {
public:
    void playFileAsync(const std::string& path) override { requests.push_back(path); }
    std::vector<std::string> requests;
};

class RecordingPcmPlayback final : public PcmPlayback {
public:
    void play(std::shared_ptr<const PcmSound> sound) override { played.push_back(sound); }
    std::vector<std::shared_ptr<const PcmSound>> played;
};

TEST(CuePlayer, PassesEveryRequestOnAtOnceSoTheNewestWinsAndTheSameFileRestarts) {
    RecordingSoundOutput output;
    SoundOutputCuePlayer player(output, SoundPaths::underRoot("/root"));
    static_assert(std::is_void_v<decltype(player.playCue(""))>, "no result reaches the caller");

    for (const auto cue : {sounds::kCount5, sounds::kBeepVuz, sounds::kBeepVuz, sounds::kSiren}) {
        player.playCue(cue);
    }

    EXPECT_EQ(output.requests,
              (std::vector<std::string>{"/root/reriva3rira/5.wav", "/root/reriva3rira/BEEPVUZ.WAV",
                                        "/root/reriva3rira/BEEPVUZ.WAV",
                                        "/root/reriva3rira/Sirena di nave.wav"}));
}

class DecodingSoundOutputTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(m_folder); }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const fs::path file = m_folder / name;
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return file.string();
    }

    const fs::path m_folder = fs::path(::testing::TempDir()) / "aerolap-decoding";
    RecordingPcmPlayback m_playback;
    DecodingSoundOutput m_output{m_playback};
};

TEST_F(DecodingSoundOutputTest, PlaysTheFilesSamplesAndTheAlertForAnythingUnplayable) {
    const auto wav = testing::WavBytes::tone(440, 0.05);
    const std::string text = "not a sound";
    const std::vector<std::string> paths = {
        write("Sirena di nave.wav", wav.build()),
        (m_folder / "missing.wav").string(),
        write("empty.wav", {}),
        write("text.wav", std::vector<std::uint8_t>(text.begin(), text.end())),
        m_folder.string(),
    };

    for (const auto& path : paths) {
        m_output.playFileAsync(path);
    }

    ASSERT_EQ(m_playback.played.size(), paths.size());
    EXPECT_EQ(m_playback.played[0]->bytes, wav.samples);
    EXPECT_NE(m_playback.played[0], alertSound());
    for (std::size_t i = 1; i < paths.size(); ++i) {
        EXPECT_EQ(m_playback.played[i], alertSound()) << paths[i];
    }
}

TEST(AlertSound, IsShortAndAudible) {
    const auto alert = alertSound();
    const double seconds =
        static_cast<double>(alert->bytes.size() / alert->bytesPerFrame()) / alert->sampleRate;
    EXPECT_GT(seconds, 0.1);
    EXPECT_LT(seconds, 0.3);
    int loudest = 0;
    for (std::size_t i = 0; i + 1 < alert->bytes.size(); i += 2) {
        const auto sample = static_cast<std::int16_t>(alert->bytes[i] | (alert->bytes[i + 1] << 8));
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    }
    EXPECT_GT(loudest, 8000);
}

} // namespace
} // namespace aerolap

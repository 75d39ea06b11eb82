#include "systems/linux/PulsePcmPlayback.h"

#include "MonitorRecorder.h"
#include "TestSoundServer.h"
#include "WavBytes.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <thread>

namespace aerolap {
namespace {

using namespace std::chrono_literals;
using testing::MonitorRecorder;
using testing::TestSoundServer;

constexpr double kToneA = 500.0;
constexpr double kToneB = 1500.0;
constexpr double kHeard = 0.05; // of full scale; the tones play at about 0.37
constexpr auto kBlock = 5ms;

std::shared_ptr<const PcmSound> tone(double frequency, std::chrono::milliseconds length) {
    const auto wav =
        testing::WavBytes::tone(frequency, std::chrono::duration<double>(length).count());
    return std::make_shared<const PcmSound>(PcmSound{.format = SampleFormat::Signed16LittleEndian,
                                                     .sampleRate = wav.sampleRate,
                                                     .channels = wav.channels,
                                                     .bytes = wav.samples});
}

/// The recording as one letter per 5 ms block: A, B, both (M) or silence (.).
std::string heard(const MonitorRecorder& recorder) {
    std::string letters;
    for (const auto& block : measureTones(recorder.blocks(), kToneA, kToneB)) {
        const bool a = block.first > kHeard;
        const bool b = block.second > kHeard;
        letters += a && b ? 'M' : a ? 'A' : b ? 'B' : '.';
    }
    return letters;
}

std::string trimmed(const std::string& letters) {
    const auto first = letters.find_first_not_of('.');
    if (first == std::string::npos) {
        return {};
    }
    return letters.substr(first, letters.find_last_not_of('.') - first + 1);
}

class PulsePcmPlaybackTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_server.running()) << "the private PulseAudio server did not start";
        m_recorder =
            std::make_unique<MonitorRecorder>(m_server.address(), m_server.monitorSource());
        ASSERT_TRUE(m_recorder->waitUntilFlowing());
        m_playback = std::make_unique<PulsePcmPlayback>();
        std::this_thread::sleep_for(100ms); // let the playback connect
    }
    void TearDown() override {
        m_playback.reset();
        m_recorder.reset();
    }

    TestSoundServer m_server;
    std::unique_ptr<MonitorRecorder> m_recorder;
    std::unique_ptr<PulsePcmPlayback> m_playback;
};

TEST_F(PulsePcmPlaybackTest, ACueLeftAlonePlaysToItsEndWithoutGaps) {
    m_playback->play(tone(kToneA, 500ms));
    std::this_thread::sleep_for(1000ms);

    const std::string sound = trimmed(heard(*m_recorder));
    EXPECT_EQ(sound.find_first_not_of('A'), std::string::npos) << sound;
    EXPECT_NEAR(static_cast<double>(sound.size()), 500ms / kBlock, 3) << sound;
}

TEST_F(PulsePcmPlaybackTest, ANewerCueCutsTheOlderWithoutOverlap) {
    m_playback->play(tone(kToneA, 1000ms));
    std::this_thread::sleep_for(300ms);
    m_playback->play(tone(kToneB, 400ms));
    std::this_thread::sleep_for(800ms);

    const std::string sound = trimmed(heard(*m_recorder));
    const auto firstB = sound.find('B');
    ASSERT_NE(firstB, std::string::npos) << sound;
    const std::string before = sound.substr(0, firstB);
    const std::string after = sound.substr(firstB);
    EXPECT_EQ(after.find('A'), std::string::npos) << "the old cue came back: " << sound;
    EXPECT_LE(std::count(sound.begin(), sound.end(), 'M'), 1) << "both cues sounded: " << sound;
    EXPECT_NEAR(static_cast<double>(std::count(before.begin(), before.end(), 'A')), 300ms / kBlock,
                12)
        << sound;
    EXPECT_NEAR(static_cast<double>(std::count(after.begin(), after.end(), 'B')), 400ms / kBlock, 3)
        << sound;
}

TEST_F(PulsePcmPlaybackTest, TheSameCueAskedForAgainStartsOver) {
    const auto beep = tone(kToneA, 300ms);
    m_playback->play(beep);
    std::this_thread::sleep_for(150ms);
    m_playback->play(beep);
    std::this_thread::sleep_for(700ms);

    const std::string sound = trimmed(heard(*m_recorder));
    EXPECT_EQ(sound.find_first_not_of('A'), std::string::npos) << sound;
    EXPECT_NEAR(static_cast<double>(sound.size()), 450ms / kBlock, 12) << sound;
}

TEST_F(PulsePcmPlaybackTest, ThreeHundredCuesInARowAreAllHeard) {
    constexpr int kCues = 300;
    const auto a = tone(kToneA, 35ms);
    const auto b = tone(kToneB, 35ms);
    for (int i = 0; i < kCues; ++i) {
        m_playback->play(i % 2 == 0 ? a : b);
        std::this_thread::sleep_for(50ms);
    }
    std::this_thread::sleep_for(300ms);

    std::string tones;
    for (const char letter : heard(*m_recorder)) {
        if ((letter == 'A' || letter == 'B') && (tones.empty() || tones.back() != letter)) {
            tones += letter;
        }
    }
    EXPECT_EQ(tones.size(), static_cast<std::size_t>(kCues));
}

TEST(PulsePcmPlaybackWithoutServer, StaysSilentAndQuiet) {
    ::setenv("PULSE_SERVER", "unix:/nonexistent/aerolap/native", 1);
    ::testing::internal::CaptureStderr();
    {
        PulsePcmPlayback playback;
        for (int i = 0; i < 200; ++i) {
            playback.play(tone(kToneA, 100ms));
        }
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

} // namespace
} // namespace aerolap

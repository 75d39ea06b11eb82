#include "audio/SoundFiles.h"
#include "audio/SoundPaths.h"
#include "platform/WavDecoder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>

namespace aerolap {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct Bound {
    const char* cue;
    double longestSeconds;
};

// Each count must end within its second, each call-out before the beep three seconds later.
const Bound kBounds[] = {
    {sounds::kCount5, 1.0},        {sounds::kCount4, 1.0},
    {sounds::kCount3, 1.0},        {sounds::kCount2, 1.0},
    {sounds::kCount1, 1.0},        {sounds::kBeepVuz, 1.0},
    {sounds::kVoice9Minutes, 3.0}, {sounds::kVoice8Minutes, 3.0},
    {sounds::kVoice7Minutes, 3.0}, {sounds::kVoice6Minutes, 3.0},
    {sounds::kVoice5Minutes, 3.0}, {sounds::kVoice4Minutes, 3.0},
    {sounds::kVoice3Minutes, 3.0}, {sounds::kVoice2Minutes, 3.0},
    {sounds::kVoice1Minute, 3.0},  {sounds::kVoice30Seconds, 3.0},
    {sounds::kCount10, 3.0},       {sounds::kMinuteBeep, 1.0},
    {sounds::kSiren, 2.05},        {sounds::kLandingButtonSiren, 2.05},
};

class SoundSet : public ::testing::Test {
protected:
    const fs::path m_root = AEROLAP_GENERATED_SOUND_ROOT;
    const SoundPaths m_paths = SoundPaths::underRoot(m_root);

    double seconds(const char* cue) const {
        const auto sound = decodeWav(readFile(m_paths.fileFor(cue)));
        if (!sound) {
            return -1.0;
        }
        return static_cast<double>(sound->bytes.size() / sound->bytesPerFrame()) /
               sound->sampleRate;
    }
};

TEST_F(SoundSet, HoldsExactlyTheTwentyFourFilesOfTheTableAllPlayable) {
    std::set<std::string> expected;
    for (const auto cue : sounds::kAll) {
        const std::string file = m_paths.fileFor(std::string(cue));
        expected.insert(file);
        const auto sound = decodeWav(readFile(file));
        ASSERT_TRUE(sound) << file;
        EXPECT_GT(sound->bytes.size(), 0u) << file;
    }
    std::set<std::string> present;
    for (const auto& entry : fs::recursive_directory_iterator(m_root)) {
        if (entry.is_regular_file()) {
            present.insert(entry.path().string());
        }
    }
    EXPECT_EQ(present, expected);
}

TEST_F(SoundSet, EveryFileEndsBeforeTheCueThatFollowsIt) {
    for (const auto& bound : kBounds) {
        const double length = seconds(bound.cue);
        EXPECT_GT(length, 0.1) << bound.cue;
        EXPECT_LT(length, bound.longestSeconds) << bound.cue;
    }
}

TEST_F(SoundSet, TheVuzEndBeepLastsThreeSeconds) {
    EXPECT_NEAR(seconds(sounds::kBeep3Seconds), 3.0, 0.05);
}

} // namespace
} // namespace aerolap

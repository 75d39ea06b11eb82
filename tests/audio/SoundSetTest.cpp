#include "audio/SoundFiles.h"
#include "audio/SoundPaths.h"
#include "audio/WavDecoder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <set>

namespace aerolap {
namespace {

namespace fs = std::filesystem;

// Each count must end within its second, each call-out before the beep three seconds later;
// the end-of-task beep lasts its three seconds. Cues not listed need only be playable.
const std::map<std::string_view, std::pair<double, double>> kSecondsBetween = {
    {sounds::kCount5, {0.1, 1.0}},         {sounds::kCount4, {0.1, 1.0}},
    {sounds::kCount3, {0.1, 1.0}},         {sounds::kCount2, {0.1, 1.0}},
    {sounds::kCount1, {0.1, 1.0}},         {sounds::kBeepVuz, {0.1, 1.0}},
    {sounds::kMinuteBeep, {0.1, 1.0}},     {sounds::kCount10, {0.1, 3.0}},
    {sounds::kVoice9Minutes, {0.1, 3.0}},  {sounds::kVoice8Minutes, {0.1, 3.0}},
    {sounds::kVoice7Minutes, {0.1, 3.0}},  {sounds::kVoice6Minutes, {0.1, 3.0}},
    {sounds::kVoice5Minutes, {0.1, 3.0}},  {sounds::kVoice4Minutes, {0.1, 3.0}},
    {sounds::kVoice3Minutes, {0.1, 3.0}},  {sounds::kVoice2Minutes, {0.1, 3.0}},
    {sounds::kVoice1Minute, {0.1, 3.0}},   {sounds::kVoice30Seconds, {0.1, 3.0}},
    {sounds::kSiren, {0.1, 2.05}},         {sounds::kLandingButtonSiren, {0.1, 2.05}},
    {sounds::kBeep3Seconds, {2.95, 3.05}},
};

TEST(SoundSet, HoldsExactlyTheTwentyFourFilesOfTheTableEachPlayableWithinItsTime) {
    const fs::path root = AEROLAP_GENERATED_SOUND_ROOT;
    const SoundPaths paths = SoundPaths::underRoot(root);
    std::set<std::string> expected;
    for (const auto cue : sounds::kAll) {
        const std::string file = paths.fileFor(std::string(cue));
        expected.insert(file);
        std::ifstream stream(file, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(stream),
                                              std::istreambuf_iterator<char>()};
        const auto sound = decodeWav(bytes);
        ASSERT_TRUE(sound) << file;
        EXPECT_GT(sound->bytes.size(), 0u) << file;
        if (const auto bounds = kSecondsBetween.find(cue); bounds != kSecondsBetween.end()) {
            const double seconds =
                static_cast<double>(sound->bytes.size() / sound->bytesPerFrame()) /
                sound->sampleRate;
            EXPECT_GT(seconds, bounds->second.first) << file;
            EXPECT_LT(seconds, bounds->second.second) << file;
        }
    }
    std::set<std::string> present;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            present.insert(entry.path().string());
        }
    }
    EXPECT_EQ(present, expected);
}

} // namespace
} // namespace aerolap

#include "audio/SoundCheck.h"
#include "audio/SoundFiles.h"
#include "audio/SoundPaths.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

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
        const auto sound = decodeSoundFile(file).sound;
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

    std::ostringstream report;
    EXPECT_TRUE(checkSounds(paths, report)) << report.str();
}

TEST(SoundCheck, NamesEveryFileThatDoesNotPlayAndWhy) {
    const fs::path root = fs::temp_directory_path() / "aerolap-no-sounds";
    std::ostringstream report;
    EXPECT_FALSE(checkSounds(SoundPaths::underRoot(root), report));
    const std::string text = report.str();
    EXPECT_NE(
        text.find((root / "zodura3v" / "beepTo.wav").string() + "\n    DOES NOT PLAY: missing"),
        std::string::npos)
        << text;
    EXPECT_NE(text.find("24 of 24 cue files do not play"), std::string::npos) << text;
}

} // namespace
} // namespace aerolap

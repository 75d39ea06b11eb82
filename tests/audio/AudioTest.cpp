#include "audio/ScheduleSoundFiles.h"
#include "audio/SoundCheck.h"
#include "audio/SoundFiles.h"
#include "audio/SoundOutputCuePlayer.h"
#include "systems/linux/PosixRegularFileOpener.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace aerolap::testing {
namespace {

namespace fs = std::filesystem;

double secondsOf(const PcmSound& sound) {
    return static_cast<double>(sound.bytes.size() / sound.bytesPerFrame()) / sound.sampleRate;
}

// Each request goes straight on to the output, found under the sound root; cutting the older
// sound for the newer is the output's.
TEST(CuePlayer, HandsEachCueToTheOutputAtOnceAsAFileUnderTheSoundRoot) {
    struct RecordingOutput final : SoundOutput {
        void playFileAsync(const std::string& path) override { played.push_back(path); }
        void playFileIfPlayableAsync(const std::string& path) override {
            played.push_back(path + " if playable");
        }
        std::vector<std::string> played;
    } output;
    SoundOutputCuePlayer player{output, SoundPaths::underRoot("/sounds")};
    for (const auto cue : {sounds::kCount5, sounds::kMinuteBeep, sounds::kCount5}) {
        player.playCue(cue);
    }
    player.playOptionalCue(sounds::kRound);
    EXPECT_EQ(output.played,
              (std::vector<std::string>{"/sounds/reriva3rira/5.wav", "/sounds/zodura3v/beepTo.wav",
                                        "/sounds/reriva3rira/5.wav",
                                        "/sounds/schedule/round.wav if playable"}));
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
    EXPECT_EQ(findSoundRoot("/chosen", candidates, only("/beside")), "/chosen");
    EXPECT_EQ(findSoundRoot(std::nullopt, candidates, only("/installed")), "/installed");
    EXPECT_EQ(findSoundRoot(std::nullopt, candidates, only("")), "/beside");
    EXPECT_EQ(findSoundRoot(std::nullopt, {}, only("")), fs::path{});
}

TEST(SoundSet, HoldsEveryCuesFilePlayableWithinItsTime) {
    const fs::path root = AEROLAP_GENERATED_SOUND_ROOT;
    for (const std::string_view cue : sounds::kAll) {
        const std::string file = SoundPaths::underRoot(root).fileFor(std::string(cue));
        const auto sound = decodeSoundFile(file, PosixRegularFileOpener()).sound;
        ASSERT_TRUE(sound) << file;
        // Counts end within their second, the end-of-task beep lasts its three seconds, and
        // the rest end before the beep three seconds after them.
        const std::string_view name = cue.substr(cue.rfind('\\') + 1);
        const bool count = name.size() == 5 || name == "BEEPVUZ.WAV" || name == "beepTo.wav";
        const bool threeSeconds = cue == sounds::kBeep3Seconds;
        EXPECT_GT(secondsOf(*sound), threeSeconds ? 2.95 : 0.1) << file;
        EXPECT_LT(secondsOf(*sound), threeSeconds ? 3.05 : count ? 1.0 : 3.0) << file;
    }
    std::ostringstream report;
    EXPECT_TRUE(checkSounds(SoundPaths::underRoot(root), PosixRegularFileOpener(), report))
        << report.str();
}

TEST(SoundCheck, NamesEveryFileThatDoesNotPlayAndWhy) {
    const fs::path root = fs::temp_directory_path() / "aerolap-no-sounds";
    std::ostringstream report;
    EXPECT_FALSE(checkSounds(SoundPaths::underRoot(root), PosixRegularFileOpener(), report));
    const std::string text = report.str();
    EXPECT_NE(
        text.find((root / "zodura3v" / "beepTo.wav").string() + "\n    DOES NOT PLAY: missing"),
        std::string::npos)
        << text;
    EXPECT_NE(text.find((root / "schedule" / "30.wav").string() +
                        "\n    missing: the schedule does without this announcement"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("24 of 59 cue files do not play"), std::string::npos) << text;
}

} // namespace
} // namespace aerolap::testing

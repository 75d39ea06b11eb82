#include "audio/ScheduleSoundFiles.h"
#include "audio/SoundCheck.h"
#include "audio/SoundFiles.h"
#include "audio/SoundOutputCuePlayer.h"
#include "systems/linux/PosixRegularFileOpener.h"

#include <algorithm>
#include <array>
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
}

// The director's language picks its set among the default sets, in the first place that holds
// it; a folder the director gives is taken as it is, whatever the language.
TEST(SoundPaths, TheLanguagePicksItsDefaultSetAndAChosenFolderWins) {
    const std::vector<fs::path> candidates = {"/installed", "/beside"};
    const auto only = [](std::initializer_list<const char*> folders) {
        return [folders](const fs::path& p) {
            return std::ranges::any_of(folders, [&](const char* f) { return p == f; });
        };
    };
    EXPECT_EQ(findDefaultSets(candidates, "it", only({"/installed/it", "/beside/it"})),
              "/installed");
    EXPECT_EQ(findDefaultSets(candidates, "de", only({"/installed/it", "/beside/de"})), "/beside");
    EXPECT_EQ(findDefaultSets(candidates, "fr", only({"/installed", "/installed/it"})), "/beside");
    EXPECT_EQ(findDefaultSets({}, "en", only({})), fs::path{});
    EXPECT_EQ(soundRoot(std::nullopt, "/installed", "de"), "/installed/de");
    EXPECT_EQ(soundRoot("/chosen", "/installed", "de"), "/chosen");
    EXPECT_EQ(SoundPaths::underRoot(soundRoot(std::nullopt, "/installed", "fr"))
                  .fileFor(sounds::kEndOfLanding),
              "/installed/fr/reriva3rira/FINE ATTERRAGGIO.wav");
}

class DefaultSoundSet : public ::testing::TestWithParam<std::string> {};

TEST_P(DefaultSoundSet, HoldsEveryCuesFilePlayableWithinItsTime) {
    const fs::path root = fs::path(AEROLAP_GENERATED_SOUND_ROOT) / GetParam();
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
    const std::array<std::string_view, 1> language{GetParam()};
    EXPECT_TRUE(
        checkDefaultSets(AEROLAP_GENERATED_SOUND_ROOT, language, PosixRegularFileOpener(), report))
        << report.str();
}

INSTANTIATE_TEST_SUITE_P(Languages, DefaultSoundSet, ::testing::Values("en", "it", "de", "fr"),
                         [](const auto& language) { return language.param; });

// Each language speaks its own words, while the beeps and sirens are the same everywhere.
TEST(DefaultSoundSets, SpeakEachItsOwnWordsWithTheSameEffects) {
    const auto bytesOf = [](const char* language, const char* cue) {
        const fs::path root = fs::path(AEROLAP_GENERATED_SOUND_ROOT) / language;
        const auto sound =
            decodeSoundFile(SoundPaths::underRoot(root).fileFor(cue), PosixRegularFileOpener())
                .sound;
        return sound ? sound->bytes : std::vector<std::uint8_t>{};
    };
    for (const char* language : {"it", "de", "fr"}) {
        for (const char* voice : {sounds::kVoice9Minutes, sounds::kCount1, sounds::kPreparation,
                                  sounds::kEndOfLanding, sounds::kRound, sounds::kNoFlying}) {
            EXPECT_NE(bytesOf(language, voice), bytesOf("en", voice)) << language << voice;
        }
        for (const char* effect : {sounds::kSiren, sounds::kBeep3Seconds, sounds::kMinuteBeep}) {
            EXPECT_FALSE(bytesOf(language, effect).empty()) << language << effect;
            EXPECT_EQ(bytesOf(language, effect), bytesOf("en", effect)) << language << effect;
        }
    }
}

// The check of the default sets names each file of a set that is missing or too long, and says
// that the other sets are complete.
TEST(SoundCheck, NamesTheFilesADefaultSetLacks) {
    const fs::path sets = fs::temp_directory_path() / "aerolap-default-sets";
    fs::remove_all(sets);
    fs::copy(AEROLAP_GENERATED_SOUND_ROOT, sets, fs::copy_options::recursive);
    const SoundPaths german = SoundPaths::underRoot(sets / "de");
    const SoundPaths italian = SoundPaths::underRoot(sets / "it");
    fs::remove(german.fileFor(sounds::kCount5));
    fs::remove(german.fileFor(sounds::numberCue(30)));
    fs::copy_file(italian.fileFor(sounds::kBeep3Seconds), italian.fileFor(sounds::kCount4),
                  fs::copy_options::overwrite_existing);
    std::ostringstream report;
    const std::array<std::string_view, 4> languages{"en", "it", "de", "fr"};
    EXPECT_FALSE(checkDefaultSets(sets, languages, PosixRegularFileOpener(), report));
    const std::string text = report.str();
    for (const std::string& line : std::vector<std::string>{
             "    en: all 59 files play in time\n",
             "    it: INCOMPLETE, 1 of 59 files fail\n        " + italian.fileFor(sounds::kCount4) +
                 ": lasts 3.00 s, longer than its 0.90 s\n",
             "    de: INCOMPLETE, 2 of 59 files fail\n        " + german.fileFor(sounds::kCount5) +
                 ": missing\n        " + german.fileFor(sounds::numberCue(30)) + ": missing\n",
             "    fr: all 59 files play in time\n",
         }) {
        EXPECT_NE(text.find(line), std::string::npos) << line << "\nnot in:\n" << text;
    }
    fs::remove_all(sets);
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

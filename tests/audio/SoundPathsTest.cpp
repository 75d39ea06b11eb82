#include "audio/SoundPaths.h"

#include "audio/SoundFiles.h"

#include <gtest/gtest.h>
#include <string>

namespace aerolap {
namespace {

namespace fs = std::filesystem;

struct TableRow {
    std::string_view cue;
    const char* folder;
    const char* name;
};

// Every file of the sound table with the folder and name it must keep.
const TableRow kTable[] = {
    {sounds::kVoice9Minutes, "reriva3rira", "to9minuti.wav"},
    {sounds::kVoice8Minutes, "reriva3rira", "to8minuti.wav"},
    {sounds::kVoice7Minutes, "reriva3rira", "to7minuti.wav"},
    {sounds::kVoice6Minutes, "reriva3rira", "to6minuti.wav"},
    {sounds::kVoice5Minutes, "reriva3rira", "to5minuti.wav"},
    {sounds::kVoice4Minutes, "reriva3rira", "to4minuti.wav"},
    {sounds::kVoice3Minutes, "reriva3rira", "to3minuti.wav"},
    {sounds::kVoice2Minutes, "reriva3rira", "to2minuti.wav"},
    {sounds::kVoice1Minute, "reriva3rira", "to1minuti.wav"},
    {sounds::kVoice30Seconds, "reriva3rira", "to30secondi.wav"},
    {sounds::kPreparation, "reriva3rira", "preparazione30secondi.wav"},
    {sounds::kLanding, "reriva3rira", "atterraggio30secondi.wav"},
    {sounds::kCount10, "reriva3rira", "10secondi.wav"},
    {sounds::kCount5, "reriva3rira", "5.wav"},
    {sounds::kCount4, "reriva3rira", "4.wav"},
    {sounds::kCount3, "reriva3rira", "3.wav"},
    {sounds::kCount2, "reriva3rira", "2.wav"},
    {sounds::kCount1, "reriva3rira", "1.wav"},
    {sounds::kBeepVuz, "reriva3rira", "BEEPVUZ.WAV"},
    {sounds::kBeep3Seconds, "reriva3rira", "BEEP3SEC.WAV"},
    {sounds::kSiren, "reriva3rira", "Sirena di nave.wav"},
    {sounds::kEndOfLanding, "reriva3rira", "FINE ATTERRAGGIO.wav"},
    {sounds::kLandingButtonSiren, "zodura3v", "Sirena di nave.wav"},
    {sounds::kMinuteBeep, "zodura3v", "beepTo.wav"},
};

TEST(SoundPaths, EveryFileKeepsItsFolderAndNameOnBothSchemes) {
    ASSERT_EQ(std::size(kTable), sounds::kAll.size());
    const auto windows = SoundPaths::unchanged();
    const fs::path root = "/opt/aerolap sounds";
    const auto elsewhere = SoundPaths::underRoot(root);
    for (std::size_t i = 0; i < sounds::kAll.size(); ++i) {
        const TableRow& row = kTable[i];
        const std::string cue(row.cue);
        EXPECT_EQ(cue, sounds::kAll[i]);
        EXPECT_EQ(windows.fileFor(cue), "c:\\" + std::string(row.folder) + "\\" + row.name);
        EXPECT_EQ(elsewhere.fileFor(cue), (root / row.folder / row.name).string());
    }
    // Any drive letter, or none, stands for the root.
    EXPECT_EQ(SoundPaths::underRoot("/r").fileFor(R"(D:\zodura3v\beepTo.wav)"),
              "/r/zodura3v/beepTo.wav");
    EXPECT_EQ(SoundPaths::underRoot("/r").fileFor(R"(\zodura3v\\beepTo.wav)"),
              "/r/zodura3v/beepTo.wav");
}

TEST(SoundRoot, TheEnvironmentFirstThenTheFirstExistingCandidateThenTheLast) {
    const std::vector<fs::path> candidates = {"/installed", "/beside"};
    const auto all = [](const fs::path&) { return true; };
    const auto onlyBeside = [](const fs::path& p) { return p == "/beside"; };
    const auto none = [](const fs::path&) { return false; };
    EXPECT_EQ(findSoundRoot("/from/env", candidates, all), "/from/env");
    EXPECT_EQ(findSoundRoot(nullptr, candidates, onlyBeside), "/beside");
    EXPECT_EQ(findSoundRoot("", candidates, onlyBeside), "/beside") << "empty counts as unset";
    EXPECT_EQ(findSoundRoot(nullptr, candidates, all), "/installed");
    EXPECT_EQ(findSoundRoot(nullptr, candidates, none), "/beside");
    EXPECT_EQ(findSoundRoot(nullptr, {}, none), fs::path{});
}

} // namespace
} // namespace aerolap

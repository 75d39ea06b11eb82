#include "VirtualTime.h"
#include "systems/linux/ServerOrDevicePlayback.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace aerolap {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

/// The bytes ALSA's file plugin has written so far.
std::vector<std::uint8_t> bytesIn(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::shared_ptr<const PcmSound> levelSound(std::uint8_t level, std::ptrdiff_t bytes) {
    return std::make_shared<const PcmSound>(
        PcmSound{SampleFormat::Signed16LittleEndian, 8000, 1,
                 std::vector<std::uint8_t>(static_cast<std::size_t>(bytes), level)});
}

void waitUntil(const auto& done, std::chrono::milliseconds limit) {
    for (auto waited = 0ms; waited < limit && !done(); waited += 1ms) {
        std::this_thread::sleep_for(1ms);
    }
}

/// No sound server answers, so the cues go straight to ALSA's default device: here ALSA's file
/// plugin, set up in a private home folder, which appends every sample played to a file, over
/// ALSA's null device, which takes samples as fast as they come.
class AlsaPlayback : public ::testing::Test {
protected:
    AlsaPlayback() {
        fs::create_directories(home);
        std::ofstream(home / ".asoundrc")
            << "pcm.!default { type file slave.pcm \"null\" file \"| cat >> " << heard.string()
            << "\" format \"raw\" }\n";
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("PULSE_SERVER", "unix:/nonexistent/aerolap", 1);
    }
    ~AlsaPlayback() override { fs::remove_all(home); }

    const fs::path home =
        fs::temp_directory_path() / ("aerolap-alsa-" + std::to_string(::getpid()));
    const fs::path heard = home / "heard.raw";
    testing::VirtualTime time;
    std::ostringstream errors;
    NoticeBoard notices{time.wall, errors};
};

// One sound at a time: a newer cue cuts the one still playing short and plays whole.
TEST_F(AlsaPlayback, WithoutAServerANewerCueCutsTheOlderShortOnTheDefaultDevice) {
    constexpr std::ptrdiff_t kOlderBytes = 4'000'000;
    const std::vector<std::uint8_t> newer(1600, 0x70);
    {
        ServerOrDevicePlayback playback(notices);
        EXPECT_EQ(playback.outputAfterWaiting(2s), ServerOrDevicePlayback::kDeviceOutput);
        // ALSA's null device takes samples as fast as they come, so the older sound is long.
        playback.play(levelSound(0x10, kOlderBytes));
        waitUntil([&] { return fs::exists(heard) && fs::file_size(heard) >= newer.size(); }, 5s);
        playback.play(levelSound(newer.front(), std::ssize(newer)));
        waitUntil(
            [&] { return std::ranges::count(bytesIn(heard), newer.front()) >= std::ssize(newer); },
            5s);
        // Played out, the sound thread waits for the next cue without using the processor.
        const std::clock_t before = std::clock();
        std::this_thread::sleep_for(300ms);
        EXPECT_LT(std::clock() - before, CLOCKS_PER_SEC / 10);
    }
    const std::vector<std::uint8_t> bytes = bytesIn(heard);
    const auto cut = std::ranges::find(bytes, newer.front());
    EXPECT_TRUE(std::all_of(bytes.begin(), cut, [](std::uint8_t byte) { return byte == 0x10; }));
    EXPECT_LT(cut - bytes.begin(), kOlderBytes / 2) << "the older sound was not cut short";
    EXPECT_EQ(std::vector(cut, bytes.end()), newer);
    const std::vector<Notice> expected{
        {time.wall.now(),
         {"Sound output: %1", {ServerOrDevicePlayback::kDeviceOutput}},
         Notice::Urgency::Info}};
    EXPECT_EQ(notices.entries(), expected);
}

// The device is given ten seconds of a sound at most; a longer one reaches it whole, the rest
// once half of that has played.
TEST_F(AlsaPlayback, ASoundLongerThanTheDeviceIsGivenAtOnceReachesItWhole) {
    constexpr std::ptrdiff_t kBytes = 2 * 8000 * 12;
    {
        ServerOrDevicePlayback playback(notices);
        playback.play(levelSound(0x20, kBytes));
        waitUntil([&] { return fs::exists(heard) && fs::file_size(heard) >= kBytes; }, 10s);
    }
    EXPECT_EQ(bytesIn(heard), std::vector<std::uint8_t>(kBytes, 0x20));
}

} // namespace
} // namespace aerolap

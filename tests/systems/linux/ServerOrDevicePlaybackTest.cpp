#include "systems/linux/ServerOrDevicePlayback.h"

#include "HeardTones.h"
#include "TestSoundServer.h"
#include "VirtualTime.h"

#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <mutex>
#include <sstream>
#include <unistd.h>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

using Posted = std::vector<std::pair<std::string, Notice::Urgency>>;

/// The program's sound path on a private server that the test mutes, empties, kills and starts
/// again. ALSA's default device, where cues go while no server answers, is a null device here, so
/// that only what the program plays through the server is heard.
class SoundOutputOnAServer : public ::testing::Test {
protected:
    SoundOutputOnAServer() {
        // ALSA's whole configuration, without the machine's hook that sends ALSA's sound to a
        // running sound server.
        fs::create_directories(alsaFolder);
        std::ofstream(alsaFolder / "alsa.conf") << "pcm.!default { type null }\n";
        ::setenv("ALSA_CONFIG_PATH", (alsaFolder / "alsa.conf").c_str(), 1);
        notices.listen([this](const Notice& notice) {
            const std::lock_guard lock(mutex);
            posted.emplace_back(notice.text(), notice.urgency);
            postedMore.notify_all();
        });
    }
    ~SoundOutputOnAServer() override {
        stopListening();
        fs::remove_all(alsaFolder);
    }

    /// What was posted once there are `count` notices, or after 5 seconds.
    Posted postedWhen(std::size_t count) {
        std::unique_lock lock(mutex);
        postedMore.wait_for(lock, 5s, [&] { return posted.size() >= count; });
        return posted;
    }
    static void pactl(const std::string& arguments) {
        ASSERT_EQ(std::system(("pactl " + arguments + " >/dev/null").c_str()), 0) << arguments;
    }
    void stopListening() {
        if (monitor != nullptr) {
            pa_simple_free(std::exchange(monitor, nullptr));
        }
    }
    /// Listens for `blocks` of 20 ms, or until `letter` is heard when one is given.
    std::string listen(int blocks, char letter = 0) {
        std::string heard;
        while (std::ssize(heard) < blocks && heard.find(letter) == std::string::npos) {
            heard += heardNext(monitor);
        }
        return heard;
    }

    const fs::path alsaFolder =
        fs::temp_directory_path() / ("aerolap-alsa-" + std::to_string(::getpid()));
    VirtualTime time;
    std::ostringstream errors;
    NoticeBoard notices{time.wall, errors};
    std::mutex mutex;
    std::condition_variable postedMore;
    Posted posted;
    TestSoundServer server;
    pa_simple* monitor = nullptr;
};

constexpr auto kActNow = Notice::Urgency::ActNow;
constexpr auto kInfo = Notice::Urgency::Info;

TEST_F(SoundOutputOnAServer, TellsWhenNoCueIsHeardAndAgainWhenCuesAreHeard) {
    ASSERT_TRUE(server.running());
    ServerOrDevicePlayback playback(notices);
    const std::string heard = "Sound output: PulseAudio sound server";
    const std::string sink = heard + ", whose output \"Null Output\"";
    EXPECT_EQ(postedWhen(1), (Posted{{heard, kInfo}}));
    pactl("set-sink-mute cues 1");
    postedWhen(2);
    pactl("set-sink-mute cues 0");
    postedWhen(3);
    pactl("set-sink-volume cues 0");
    postedWhen(4);
    pactl("set-sink-volume cues 60%");
    postedWhen(5);
    pactl("unload-module module-null-sink");
    postedWhen(6);
    pactl("load-module module-null-sink sink_name=cues");
    postedWhen(7);
    server.kill();
    postedWhen(8);
    ASSERT_TRUE(server.start());
    EXPECT_EQ(postedWhen(9),
              (Posted{{heard, kInfo},
                      {sink + " is muted: no cue is heard", kActNow},
                      {heard, kInfo},
                      {sink + " is at zero volume: no cue is heard", kActNow},
                      {heard, kInfo},
                      {heard + ", which has no output: no cue is heard", kActNow},
                      {heard, kInfo},
                      {"Sound output: ALSA default device (no sound server answers)", kActNow},
                      {heard, kInfo}}));
}

// The sound server crashes and comes back in the middle of a working time: the next cue may be
// minutes away and comes alone, yet it is heard once the server has been back for two seconds.
TEST_F(SoundOutputOnAServer, ACueTwoSecondsAfterTheServerCameBackIsHeard) {
    ASSERT_TRUE(server.running());
    ServerOrDevicePlayback playback(notices);
    monitor = listenToSink(server.address());
    ASSERT_NE(monitor, nullptr);
    ASSERT_EQ(postedWhen(1).size(), 1u) << "the server's output was never known";
    playback.play(tone(500, 0.2));
    EXPECT_NE(listen(250, 'A').find('A'), std::string::npos) << "not heard before the crash";

    stopListening();
    server.kill();
    ASSERT_EQ(postedWhen(2).size(), 2u);
    ASSERT_TRUE(server.start());
    monitor = listenToSink(server.address());
    ASSERT_NE(monitor, nullptr);
    listen(100); // two seconds
    playback.play(tone(1500, 0.2));
    const std::string after = listen(25, 'B');
    EXPECT_NE(after.find('B'), std::string::npos) << "the first cue after the restart was lost";
    playback.play(tone(500, 0.2));
    EXPECT_NE(listen(25, 'A').find('A'), std::string::npos);
}

} // namespace
} // namespace aerolap::testing

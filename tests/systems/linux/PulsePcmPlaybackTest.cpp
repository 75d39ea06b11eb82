#include "systems/linux/PulsePcmPlayback.h"

#include "HeardTones.h"
#include "SoxTones.h"
#include "audio/SoundFileDecoder.h"
#include "systems/linux/PosixRegularFileOpener.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

/// The folder of this test program's private PulseAudio server, and the server's address.
const std::string kServerFolder =
    ::testing::TempDir() + "aerolap-pulse-" + std::to_string(::getpid());
const std::string kServer = "unix:" + kServerFolder + "/native";

/// Starts the private server with one null sink, "cues", in its own folder, so that it runs as
/// root and without a desktop; it leaves by itself once its last client has gone.
bool startSoundServer() {
    const std::string in = kServerFolder;
    const std::string command =
        "mkdir -p " + in + " && env -i HOME=" + in + " PULSE_RUNTIME_PATH=" + in +
        " pulseaudio -n --daemonize --exit-idle-time=3 " + "--log-target=file:" + in +
        "/log -L 'module-null-sink sink_name=cues' " +
        "-L 'module-native-protocol-unix auth-anonymous=1 socket=" + in + "/native'";
    return std::system(command.c_str()) == 0;
}

/// A private server's null sink, listened to on its monitor in 20 ms blocks.
class PulseNullSink : public ::testing::Test {
protected:
    // The address is known before the server runs, so that a player can be made first.
    void SetUp() override { ::setenv("PULSE_SERVER", kServer.c_str(), 1); }
    void startServerAndListen() {
        ASSERT_TRUE(startSoundServer()) << "the private PulseAudio server did not start";
        monitor = listenToSink(kServer);
        ASSERT_NE(monitor, nullptr);
    }
    void TearDown() override {
        if (monitor != nullptr) {
            pa_simple_free(monitor);
        }
    }

    /// Listens until `letter` is heard, then `blocksMore` blocks longer.
    void listenUntil(char letter, int blocksMore) {
        while (heard.find(letter) == std::string::npos && heard.size() < 1000) {
            heard += heardNext(monitor);
        }
        listenFor(blocksMore);
    }
    void listenFor(int blocks) {
        for (int i = 0; i < blocks; ++i) {
            heard += heardNext(monitor);
        }
    }

    pa_simple* monitor = nullptr;
    std::string heard;
};

TEST_F(PulseNullSink, PlaysASoundUntilANewerOneReplacesIt) {
    ASSERT_NO_FATAL_FAILURE(startServerAndListen());
    PulsePcmPlayback playback;
    playback.play(tone(500, 5));
    listenUntil('A', 0);
    playback.play(tone(1500, 0.3));
    listenUntil('B', 25);
    const auto firstB = heard.find('B');
    ASSERT_NE(firstB, std::string::npos) << heard;
    EXPECT_LT(heard.find('A'), firstB) << "the sound asked for as the server connected was lost";
    EXPECT_EQ(heard.find('A', firstB), std::string::npos) << "the older sound came back: " << heard;
    EXPECT_NEAR(static_cast<double>(std::count(heard.begin(), heard.end(), 'B')), 15, 2) << heard;
    EXPECT_EQ(heard.back(), '.') << heard;
}

/// How long the one run of `letter` in `heard` is; fails when there is more than one, which is a
/// sound with a gap in it.
std::size_t lengthOfTheOneRun(const std::string& heard, char letter) {
    const auto first = heard.find(letter);
    const auto last = heard.rfind(letter);
    EXPECT_NE(first, std::string::npos) << heard;
    EXPECT_EQ(heard.find_first_not_of(letter, first), last + 1) << "a gap in the sound: " << heard;
    return first == std::string::npos ? 0 : last - first + 1;
}

// The server is handed a cue whole, so a cue that has started plays to its end however late the
// program's threads run next: here the whole program is stopped as the cue begins, as a machine
// busy with other work may hold it up, and the cue plays on to its end all the same.
TEST_F(PulseNullSink, ACueThatHasStartedPlaysToItsEndWhileTheProgramIsHeldUp) {
    ASSERT_NO_FATAL_FAILURE(startServerAndListen());
    pid_t program = -1;
    char path[] = AEROLAP_PLAY_AND_HOLD;
    char seconds[] = "2";
    char* arguments[] = {path, seconds, nullptr};
    ASSERT_EQ(::posix_spawn(&program, path, nullptr, nullptr, arguments, environ), 0);
    listenUntil('A', 0);
    ::kill(program, SIGSTOP);
    listenFor(125);
    ::kill(program, SIGKILL);
    ::waitpid(program, nullptr, 0);
    EXPECT_NEAR(static_cast<double>(lengthOfTheOneRun(heard, 'A')), 100, 2) << heard;
}

// A sound longer than the server's buffer of 4 MB (5.5 s at 192 kHz stereo) is handed over in
// parts, and plays whole without a gap where one part meets the next.
TEST_F(PulseNullSink, ASoundLongerThanTheServersBufferPlaysWholeWithoutAGap) {
    ASSERT_NO_FATAL_FAILURE(startServerAndListen());
    PulsePcmPlayback playback;
    playback.play(tone(500, 7, 192000, 2));
    listenUntil('A', 375);
    EXPECT_NEAR(static_cast<double>(lengthOfTheOneRun(heard, 'A')), 350, 3) << heard;
}

// What the decoder makes of each encoding plays whole, at its own rate and channel count.
TEST_F(PulseNullSink, PlaysEveryEncodingOfAWindowsSoundFolderAsDecoded) {
    ASSERT_NO_FATAL_FAILURE(startServerAndListen());
    const std::filesystem::path file = ::testing::TempDir() + "aerolap-encoding.wav";
    PulsePcmPlayback playback;
    for (const auto& encoding : kWindowsEncodings) {
        ASSERT_TRUE(writeSoxTone(file, encoding.soxOptions)) << encoding.name;
        heard.clear();
        playback.play(decodeSoundFile(file, PosixRegularFileOpener()).sound);
        listenUntil('A', 15);
        EXPECT_NEAR(static_cast<double>(std::count(heard.begin(), heard.end(), 'A')), 10, 2)
            << encoding.name << ": " << heard;
    }
    std::filesystem::remove(file);
}

// A laptop's sound server may come up after the program: the check for directors finds it, and
// a cue asked for while the program connects again plays once the server answers.
TEST_F(PulseNullSink, FindsAServerThatComesUpLater) {
    PulsePcmPlayback checked, playing;
    EXPECT_FALSE(checked.waitForServer(100ms));
    ASSERT_NO_FATAL_FAILURE(startServerAndListen());
    EXPECT_TRUE(checked.waitForServer(5s));
    for (int block = 0; !playing.serverAnswers() && block < 500; ++block) {
        playing.play(tone(500, 0.5)); // kept until the next try at the server
        heard += heardNext(monitor);
    }
    EXPECT_TRUE(playing.serverAnswers()) << "the server's answer went unnoticed";
    listenUntil('A', 0);
    EXPECT_NE(heard.find('A'), std::string::npos) << heard;
}

} // namespace
} // namespace aerolap::testing

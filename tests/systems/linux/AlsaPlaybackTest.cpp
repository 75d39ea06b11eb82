#include "systems/linux/ServerOrDevicePlayback.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace aerolap {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// With no sound server, the cues go straight to ALSA's default device: here ALSA's file plugin,
// set up in a private home folder, which appends every sample played to a file.
TEST(AlsaPlayback, WithoutAServerTheCuesPlayOnTheDefaultDeviceInOrder) {
    const fs::path home =
        fs::temp_directory_path() / ("aerolap-alsa-" + std::to_string(::getpid()));
    const fs::path heard = home / "heard.raw";
    fs::create_directories(home);
    std::ofstream(home / ".asoundrc")
        << "pcm.!default { type file slave.pcm \"null\" file \"| cat >> " << heard.string()
        << "\" format \"raw\" }\n";
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("PULSE_SERVER", "unix:/nonexistent/aerolap", 1);
    std::vector<std::string> reports;
    std::vector<std::uint8_t> expected;
    {
        ServerOrDevicePlayback playback(
            [&reports](const std::string& line) { reports.push_back(line); });
        EXPECT_EQ(playback.outputAfterWaiting(2s), ServerOrDevicePlayback::kDeviceOutput);
        for (const int level : {0x10, 0x70}) {
            auto sound = std::make_shared<PcmSound>(
                PcmSound{SampleFormat::Signed16LittleEndian, 8000, 1,
                         std::vector<std::uint8_t>(1600, static_cast<std::uint8_t>(level))});
            expected.insert(expected.end(), sound->bytes.begin(), sound->bytes.end());
            playback.play(sound);
            for (int wait = 0;
                 wait < 5000 && (!fs::exists(heard) || fs::file_size(heard) < expected.size());
                 ++wait) {
                std::this_thread::sleep_for(1ms);
            }
        }
    }
    std::ifstream file(heard, std::ios::binary);
    EXPECT_EQ(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {}), expected);
    EXPECT_EQ(reports, std::vector<std::string>{std::string("Sound output: ") +
                                                ServerOrDevicePlayback::kDeviceOutput});
    fs::remove_all(home);
}

} // namespace
} // namespace aerolap

#include "systems/linux/ServerOrDevicePlayback.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace aerolap {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

std::shared_ptr<const PcmSound> ramp(std::size_t samples, std::int16_t start) {
    auto sound = std::make_shared<PcmSound>();
    sound->sampleRate = 8000;
    sound->channels = 1;
    for (std::size_t i = 0; i < samples; ++i) {
        const auto value = static_cast<std::uint16_t>(start + static_cast<int>(i % 1000));
        sound->bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
        sound->bytes.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    return sound;
}

// With no sound server, the cues go straight to ALSA's default device: here ALSA's file plugin,
// set up in a private home folder, which appends every sample played to a file.
TEST(AlsaPlayback, WithoutAServerTheCuesPlayOnTheDefaultDeviceInOrder) {
    const fs::path home =
        fs::temp_directory_path() / ("aerolap-alsa-" + std::to_string(::getpid()));
    fs::create_directories(home);
    const fs::path heard = home / "heard.raw";
    std::ofstream(home / ".asoundrc")
        << "pcm.!default { type file slave.pcm \"null\" file \"| cat >> " << heard.string()
        << "\" format \"raw\" }\n";
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("PULSE_SERVER", "unix:/nonexistent/aerolap", 1);

    std::vector<std::string> reports;
    {
        ServerOrDevicePlayback playback(
            [&reports](const std::string& line) { reports.push_back(line); });
        EXPECT_EQ(playback.outputAfterWaiting(2s), ServerOrDevicePlayback::kDeviceOutput);
        const auto first = ramp(800, 100);
        const auto second = ramp(400, 3000);
        const std::size_t expected = first->bytes.size() + second->bytes.size();
        for (const auto& sound : {first, second}) {
            const std::size_t before = fs::exists(heard) ? fs::file_size(heard) : 0;
            playback.play(sound);
            for (int wait = 0; wait < 5000 && (!fs::exists(heard) ||
                                               fs::file_size(heard) < before + sound->bytes.size());
                 ++wait) {
                std::this_thread::sleep_for(1ms);
            }
        }
        std::ifstream file(heard, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), {});
        ASSERT_EQ(bytes.size(), expected);
        std::vector<std::uint8_t> played(first->bytes);
        played.insert(played.end(), second->bytes.begin(), second->bytes.end());
        EXPECT_TRUE(
            std::equal(played.begin(), played.end(), bytes.begin(),
                       [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); }));
    }
    EXPECT_EQ(reports, std::vector<std::string>{std::string("Sound output: ") +
                                                ServerOrDevicePlayback::kDeviceOutput});
    fs::remove_all(home);
}

} // namespace
} // namespace aerolap

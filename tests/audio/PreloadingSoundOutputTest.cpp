#include "audio/PreloadingSoundOutput.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace aerolap {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

/// The playback as the output sees it: which sounds it was handed, and on which thread.
struct HeldPlayback final : PcmPlayback {
    std::mutex mutex;
    std::vector<std::shared_ptr<const PcmSound>> played;
    void play(std::shared_ptr<const PcmSound> sound) override {
        const std::lock_guard lock(mutex);
        played.push_back(std::move(sound));
    }
    std::size_t count() {
        const std::lock_guard lock(mutex);
        return played.size();
    }
};

bool within(std::chrono::milliseconds limit, const std::function<bool()>& done) {
    for (const auto end = std::chrono::steady_clock::now() + limit; !done();) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

class PreloadingSoundOutputTest : public ::testing::Test {
protected:
    fs::path folder = fs::temp_directory_path() / ("aerolap-preload-" + std::to_string(::getpid()));
    std::string a = (folder / "a.wav").string();
    std::string b = (folder / "b.wav").string();
    HeldPlayback playback;
    std::mutex mutex;
    std::vector<std::pair<std::string, std::thread::id>> decodes;
    std::function<void(const fs::path&)> onDecode = [](const fs::path&) {};

    // Stands in for the file decoder: a file decodes to one sample per byte of its size.
    PreloadingSoundOutput::Decoder decoder = [this](const fs::path& path) {
        onDecode(path);
        {
            const std::lock_guard lock(mutex);
            decodes.emplace_back(path.string(), std::this_thread::get_id());
        }
        DecodedSoundFile decoded;
        std::error_code error;
        if (const auto size = fs::file_size(path, error); !error && size > 0) {
            auto sound = std::make_shared<PcmSound>();
            sound->bytes.resize(size);
            decoded.sound = std::move(sound);
        }
        return decoded;
    };

    void SetUp() override {
        fs::create_directories(folder);
        std::ofstream(a) << "aa";
        std::ofstream(b) << "bbb";
    }
    void TearDown() override { fs::remove_all(folder); }
    std::size_t decodeCount() {
        const std::lock_guard lock(mutex);
        return decodes.size();
    }
};

TEST_F(PreloadingSoundOutputTest, DecodesAheadOnItsOwnThreadAndHandsTheSameBufferEachTime) {
    PreloadingSoundOutput output(playback, {a, b}, decoder);
    output.waitUntilDecoded();
    output.playFileAsync(a);
    output.playFileAsync(a);
    output.playFileAsync(b);
    ASSERT_EQ(playback.count(), 3u);
    EXPECT_EQ(playback.played[0], playback.played[1]);
    EXPECT_EQ(playback.played[0]->bytes.size(), 2u);
    EXPECT_EQ(playback.played[2]->bytes.size(), 3u);
    ASSERT_EQ(decodeCount(), 2u);
    for (const auto& [path, thread] : decodes) {
        EXPECT_NE(thread, std::this_thread::get_id()) << path;
    }
}

TEST_F(PreloadingSoundOutputTest, DecodesAFileAgainOnceItChangesOnDisk) {
    PreloadingSoundOutput output(playback, {a}, decoder, 5ms);
    output.waitUntilDecoded();
    std::ofstream(a) << "a longer sound";
    ASSERT_TRUE(within(5s, [&] { return decodeCount() == 2; }));
    output.waitUntilDecoded();
    output.playFileAsync(a);
    EXPECT_EQ(playback.played.back()->bytes.size(), 14u);
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(decodeCount(), 2u) << "an unchanged file is not decoded again";
}

// A file first asked for while the cycle runs is decoded off the caller's thread; if a newer
// sound was asked for meanwhile, the late one never starts after it.
TEST_F(PreloadingSoundOutputTest, AFileNotYetKnownPlaysWhenReadyUnlessANewerSoundCameFirst) {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    onDecode = [&](const fs::path& path) {
        if (path == b) {
            released.wait();
        }
    };
    PreloadingSoundOutput output(playback, {a}, decoder);
    output.waitUntilDecoded();
    output.playFileAsync(b);
    output.playFileAsync(a);
    release.set_value();
    output.waitUntilDecoded();
    output.playFileAsync(b);
    ASSERT_TRUE(within(5s, [&] { return playback.count() == 2; }));
    EXPECT_EQ(playback.played[0]->bytes.size(), 2u);
    EXPECT_EQ(playback.played[1]->bytes.size(), 3u);

    const std::string unknown = (folder / "new.wav").string();
    std::ofstream(unknown) << "nnnn";
    output.playFileAsync(unknown);
    ASSERT_TRUE(within(5s, [&] { return playback.count() == 3; }));
    EXPECT_EQ(playback.played[2]->bytes.size(), 4u);
}

TEST_F(PreloadingSoundOutputTest, AFileThatDoesNotDecodePlaysTheAlert) {
    const std::string missing = (folder / "missing.wav").string();
    PreloadingSoundOutput output(playback, {missing}, decoder);
    output.waitUntilDecoded();
    output.playFileAsync(missing);
    ASSERT_EQ(playback.count(), 1u);
    ASSERT_TRUE(playback.played[0]);
    EXPECT_GT(playback.played[0]->bytes.size(), 1000u);
}

} // namespace
} // namespace aerolap

#include "audio/PreloadingSoundOutput.h"

#include <filesystem>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <unistd.h>

namespace aerolap {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// The decoder stands in for libsndfile: a file decodes to as many bytes as it holds, on
// whichever thread asked; the playback keeps the sizes of the sounds it was handed.
class PreloadingSoundOutputTest : public ::testing::Test, public PcmPlayback {
protected:
    fs::path folder = fs::temp_directory_path() / ("aerolap-preload-" + std::to_string(::getpid()));
    std::string a = (folder / "a.wav").string(), b = (folder / "b.wav").string();
    std::mutex mutex;
    std::vector<std::size_t> played;
    std::vector<std::thread::id> decodedOn;
    std::shared_future<void> bMayDecode = std::async([] {}).share();
    PreloadingSoundOutput::Decoder decoder = [this](const fs::path& path) {
        if (path == b) {
            bMayDecode.wait();
        }
        const std::lock_guard lock(mutex);
        decodedOn.push_back(std::this_thread::get_id());
        DecodedSoundFile decoded;
        if (std::error_code error; fs::file_size(path, error) > 0 && !error) {
            decoded.sound = std::make_shared<PcmSound>(
                PcmSound{{}, 0, 0, std::vector<std::uint8_t>(fs::file_size(path))});
        }
        return decoded;
    };

    /// Stands in for the system's watch: the test says when files changed.
    struct ManualWatch final : FileChangeWatch {
        void watch(const std::vector<fs::path>& files, Changed changed) override {
            const std::lock_guard lock(mutex);
            watched = files;
            m_changed = std::move(changed);
        }
        void filesChanged() {
            const std::lock_guard lock(mutex);
            m_changed();
        }
        std::mutex mutex;
        std::vector<fs::path> watched;
        Changed m_changed;
    };
    std::unique_ptr<ManualWatch> ownWatch = std::make_unique<ManualWatch>();
    ManualWatch& watch = *ownWatch;

    void SetUp() override {
        fs::create_directories(folder);
        std::ofstream(a) << "aa";
        std::ofstream(b) << "bbb";
    }
    void TearDown() override { fs::remove_all(folder); }
    void play(std::shared_ptr<const PcmSound> sound) override {
        const std::lock_guard lock(mutex);
        played.push_back(sound->bytes.size());
    }
    bool within(std::chrono::milliseconds limit, const std::function<bool()>& done) {
        for (const auto end = std::chrono::steady_clock::now() + limit;
             std::chrono::steady_clock::now() < end; std::this_thread::sleep_for(1ms)) {
            const std::lock_guard lock(mutex);
            if (done()) {
                return true;
            }
        }
        return false;
    }
};

TEST_F(PreloadingSoundOutputTest, DecodesAheadOffTheCallersThreadAndAgainOnlyWhenAFileChanges) {
    const std::string missing = (folder / "missing.wav").string();
    PreloadingSoundOutput output(*this, {a, missing}, std::move(ownWatch), decoder);
    output.waitUntilDecoded();
    output.playFileAsync(a);
    output.playFileIfPlayableAsync(missing); // silent, and leaves the sound playing alone
    output.playFileAsync(missing);
    // Swapped in whole, as a director copying a new file over would do.
    std::ofstream(folder / "new") << "a longer sound";
    fs::rename(folder / "new", a);
    watch.filesChanged();
    ASSERT_TRUE(within(5s, [&] { return decodedOn.size() == 3; }));
    output.waitUntilDecoded();
    output.playFileAsync(a);
    std::this_thread::sleep_for(30ms);
    const std::lock_guard lock(mutex);
    EXPECT_EQ(decodedOn.size(), 3u) << "unchanged files are not decoded again";
    EXPECT_EQ(std::count(decodedOn.begin(), decodedOn.end(), std::this_thread::get_id()), 0);
    ASSERT_EQ(played.size(), 3u);
    EXPECT_EQ(played[0], 2u);
    EXPECT_GT(played[1], 1000u) << "a file that does not decode plays the alert";
    EXPECT_EQ(played[2], 14u);
}

// A file first asked for while the cycle runs is decoded off the caller's thread and played
// when ready, unless a newer sound was asked for meanwhile: the late one never follows it.
TEST_F(PreloadingSoundOutputTest, AFileNotYetKnownPlaysWhenReadyUnlessANewerSoundCameFirst) {
    std::promise<void> release;
    bMayDecode = release.get_future().share();
    PreloadingSoundOutput output(*this, {a}, std::move(ownWatch), decoder);
    output.waitUntilDecoded();
    output.playFileAsync(b);
    output.playFileAsync(a);
    release.set_value();
    output.waitUntilDecoded();
    output.playFileAsync(b);
    const std::string unknown = (folder / "new.wav").string();
    std::ofstream(unknown) << "nnnn";
    output.playFileAsync(unknown);
    ASSERT_TRUE(within(5s, [&] { return played.size() == 3; }));
    std::this_thread::sleep_for(20ms);
    {
        const std::lock_guard lock(mutex);
        EXPECT_EQ(played, (std::vector<std::size_t>{2, 3, 4}));
    }
    EXPECT_TRUE(within(5s, [&] {
        const std::lock_guard watching(watch.mutex);
        return watch.watched == std::vector<fs::path>{a, b, unknown};
    })) << "every file asked for is watched";
}

} // namespace
} // namespace aerolap

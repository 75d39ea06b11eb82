// The inotify watch on real folders: each change a director can make to a sound file between
// cycles is reported, in a folder that only appears after the watch began, as a USB stick's does.
#include "systems/linux/InotifyFileChangeWatch.h"

#include <condition_variable>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace aerolap {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

class InotifyWatch : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(root); }
    void TearDown() override { fs::remove_all(root); }

    void reported() {
        {
            const std::lock_guard lock(mutex);
            ++reports;
        }
        wake.notify_all();
    }
    /// Whether the watch reports `change`, waiting at most a few seconds for it.
    bool reportedAfter(const std::function<void()>& change) {
        std::unique_lock lock(mutex);
        const int before = reports;
        lock.unlock();
        change();
        lock.lock();
        return wake.wait_for(lock, 5s, [&] { return reports > before; });
    }

    fs::path root = fs::temp_directory_path() / ("aerolap-watch-" + std::to_string(::getpid()));
    fs::path stick = root / "stick", folder = stick / "reriva3rira", file = folder / "5.wav";
    std::mutex mutex;
    std::condition_variable wake;
    int reports = 0;
    InotifyFileChangeWatch watch;
};

TEST_F(InotifyWatch, ReportsEveryChangeOfAFileInAFolderThatAppearsLater) {
    watch.watch({file, root / "other.wav"}, [this] { reported(); });
    EXPECT_TRUE(reportedAfter([&] { fs::create_directory(stick); })) << "the stick";
    EXPECT_TRUE(reportedAfter([&] { fs::create_directory(folder); })) << "its folder";
    EXPECT_TRUE(reportedAfter([&] { std::ofstream(file) << "one"; })) << "created";
    EXPECT_TRUE(reportedAfter([&] { std::ofstream(file, std::ios::app) << "two"; })) << "written";
    std::ofstream(folder / "copy") << "three";
    EXPECT_TRUE(reportedAfter([&] { fs::rename(folder / "copy", file); })) << "replaced";
    EXPECT_TRUE(reportedAfter([&] { fs::rename(file, folder / "old"); })) << "renamed away";
    EXPECT_TRUE(reportedAfter([&] { fs::rename(folder / "old", file); })) << "renamed back";
    // As touch(1) does it.
    EXPECT_TRUE(reportedAfter([&] { ::utimensat(AT_FDCWD, file.c_str(), nullptr, 0); }))
        << "touched";
    EXPECT_TRUE(reportedAfter([&] { fs::remove(file); })) << "deleted";
    EXPECT_TRUE(reportedAfter([&] { fs::remove_all(stick); })) << "the stick pulled";
    // Watched again through the nearest folder that is left.
    EXPECT_TRUE(reportedAfter([&] { fs::create_directories(folder); })) << "plugged in again";
    EXPECT_TRUE(reportedAfter([&] { std::ofstream(file) << "four"; })) << "created again";
}

} // namespace
} // namespace aerolap

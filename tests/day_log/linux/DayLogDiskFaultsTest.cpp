#include "VirtualTime.h"
#include "day_log/DayLogWriter.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/mount.h>
#include <unistd.h>

namespace aerolap::testing {
namespace {

/// A writer whose folder fails in a real way, then heals: the director hears of it once, the
/// lines of the bad time are counted, and the log carries on.
struct DayLogDiskFaultsTest : ::testing::Test {
    ~DayLogDiskFaultsTest() override {
        if (mounted) {
            ::umount2(folder.c_str(), MNT_DETACH);
        }
    }
    std::size_t dayLogNotices() const {
        std::size_t count = 0;
        for (const Notice& notice : notices.entries()) {
            count += notice.urgency == Notice::Urgency::ActNow &&
                     notice.text.find("day log") != std::string::npos;
        }
        return count;
    }
    void writeLines(DayLogWriter& writer, int count) {
        for (int i = 0; i < count; ++i) {
            writer.add("{\"kind\":\"line\"}", time.wall.now());
            writer.flush();
        }
    }
    std::string todaysLog() const {
        std::ifstream in(DayLogWriter::fileOf(folder, time.wall.now()));
        return {std::istreambuf_iterator<char>(in), {}};
    }

    QTemporaryDir dir;
    std::filesystem::path folder = dir.filePath(QStringLiteral("log")).toStdString();
    VirtualTime time;
    std::ostringstream errors;
    NoticeBoard notices{time.wall, errors};
    bool mounted = false;
};

// A full disk: every write fails with "No space left on device".
TEST_F(DayLogDiskFaultsTest, AFullDiskIsOneNoticeAndTheLogResumesWithTheLostCount) {
    std::filesystem::create_directories(folder);
    const auto today = DayLogWriter::fileOf(folder, time.wall.now());
    std::filesystem::create_symlink("/dev/full", today);
    DayLogWriter writer(folder, notices);
    writeLines(writer, 4);
    EXPECT_EQ(dayLogNotices(), 1U) << errors.str();
    EXPECT_NE(errors.str().find("No space left on device"), std::string::npos) << errors.str();

    std::filesystem::remove(today);
    writeLines(writer, 1);
    EXPECT_EQ(todaysLog(), "{\"kind\":\"lost\",\"wall_ms\":1781341200000,\"lines\":4}\n"
                           "{\"kind\":\"line\"}\n");
}

// A read-only folder: a read-only file system where this test may mount one, else a folder
// without write permission.
TEST_F(DayLogDiskFaultsTest, AReadOnlyFolderIsOneNoticeAndTheLogResumesWhenItIsWritable) {
    std::filesystem::create_directories(folder);
    if (::geteuid() == 0) {
        mounted = ::mount("aerolap-test", folder.c_str(), "tmpfs", MS_RDONLY, "size=64k") == 0;
        if (!mounted) {
            GTEST_SKIP() << "root without the right to mount: no folder it cannot write";
        }
    } else {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
    }
    DayLogWriter writer(folder, notices);
    writeLines(writer, 3);
    EXPECT_EQ(dayLogNotices(), 1U) << errors.str();

    if (mounted) {
        ASSERT_EQ(::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT, "size=64k"), 0);
    } else {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    }
    writeLines(writer, 1);
    EXPECT_EQ(todaysLog(), "{\"kind\":\"lost\",\"wall_ms\":1781341200000,\"lines\":3}\n"
                           "{\"kind\":\"line\"}\n");
    EXPECT_EQ(dayLogNotices(), 1U);
}

} // namespace
} // namespace aerolap::testing

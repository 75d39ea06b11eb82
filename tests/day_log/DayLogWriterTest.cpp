#include "day_log/DayLogWriter.h"

#include "VirtualTime.h"
#include "day_log/DayLog.h"

#include <QFile>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <sstream>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

std::vector<std::string> linesOf(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

struct DayLogWriterTest : ::testing::Test {
    std::filesystem::path folder() const {
        return dir.filePath(QStringLiteral("log")).toStdString();
    }
    std::filesystem::path today() const { return DayLogWriter::fileOf(folder(), time.wall.now()); }
    std::vector<Notice> actNow() const {
        std::vector<Notice> urgent;
        for (const Notice& notice : notices.entries()) {
            if (notice.urgency == Notice::Urgency::ActNow) {
                urgent.push_back(notice);
            }
        }
        return urgent;
    }

    QTemporaryDir dir;
    VirtualTime time;
    std::ostringstream errors;
    NoticeBoard notices{time.wall, errors};
};

// Each line carries the real monotonic time and the wall clock of its moment, in the order the
// events were recorded; a second run appends to the day's file and rewrites nothing.
TEST_F(DayLogWriterTest, AppendsStampedLinesInOrderAndANewStartAppends) {
    for (int run = 0; run < 2; ++run) {
        DayLogWriter writer(folder(), notices);
        DayLog log(writer, time, time.wall);
        log.record("start");
        time.advance(1500ms);
        JsonMembers members;
        members.text("file", "5.wav").number("run", run);
        log.record("cue", std::move(members));
        log.recordRemoteCommand("phone 1", "STOP");
    }
    const auto lines = linesOf(today());
    ASSERT_EQ(lines.size(), 6U);
    EXPECT_EQ(lines[0], "{\"kind\":\"start\",\"mono_ns\":3600000000000000,\"wall_ms\":"
                        "1781341200000}");
    EXPECT_EQ(lines[1], "{\"kind\":\"cue\",\"mono_ns\":3600001500000000,\"wall_ms\":"
                        "1781341201500,\"file\":\"5.wav\",\"run\":0}");
    EXPECT_EQ(lines[2], "{\"kind\":\"remote\",\"mono_ns\":3600001500000000,\"wall_ms\":"
                        "1781341201500,\"device\":\"phone 1\",\"command\":\"STOP\"}");
    EXPECT_NE(lines[4].find("\"run\":1"), std::string::npos) << lines[4];
    EXPECT_EQ(today().filename(), "2026-06-13.jsonl");
}

// A line goes to the file of its own day: a cycle over midnight starts the next file.
TEST_F(DayLogWriterTest, ALineGoesToTheFileOfItsDay) {
    {
        DayLogWriter writer(folder(), notices);
        DayLog log(writer, time, time.wall);
        const auto beforeMidnight = time.wall.now();
        log.record("before");
        time.sleep(24h);
        log.record("after");
        writer.flush();
        EXPECT_EQ(linesOf(DayLogWriter::fileOf(folder(), beforeMidnight)).size(), 1U);
        EXPECT_EQ(linesOf(today()).size(), 1U);
        EXPECT_NE(DayLogWriter::fileOf(folder(), beforeMidnight), today());
    }
}

// The writer is held inside a write (its failure notice is being heard): the timing thread adds
// on without waiting; beyond the queue's room lines are dropped, counted, and the count is written
// as soon as there is room, before the lines that were kept.
TEST_F(DayLogWriterTest, AFullQueueDropsLinesAndSaysHowMany) {
    constexpr std::size_t kRoom = 5;
    std::promise<void> writerHeld;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    bool first = true;
    notices.listen([&](const Notice& notice) {
        if (notice.urgency == Notice::Urgency::ActNow && std::exchange(first, false)) {
            writerHeld.set_value();
            released.wait();
        }
    });
    std::ofstream(folder()) << "a file where the folder should be";
    DayLogWriter writer(folder(), notices, kRoom);
    writer.add("{\"kind\":\"first\"}", time.wall.now());
    writerHeld.get_future().wait();

    std::filesystem::remove(folder());
    for (int i = 0; i < 12; ++i) {
        writer.add("{\"kind\":\"line\",\"n\":" + std::to_string(i) + "}", time.wall.now());
    }
    release.set_value();
    writer.flush();

    const auto lines = linesOf(today());
    ASSERT_EQ(lines.size(), 2 + kRoom);
    EXPECT_NE(lines[0].find("\"kind\":\"lost\""), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("\"lines\":1"), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find("\"kind\":\"dropped\""), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find("\"lines\":7"), std::string::npos) << lines[1];
    for (std::size_t i = 0; i < kRoom; ++i) {
        EXPECT_EQ(lines[2 + i], "{\"kind\":\"line\",\"n\":" + std::to_string(i) + "}");
    }
}

// A log folder that is a file: one notice that names the file and the fault, however many lines
// fail; once the folder can be made, the log carries on and says how many lines were lost.
TEST_F(DayLogWriterTest, AFolderThatIsAFileIsOneNoticeAndTheLogResumesWithTheLostCount) {
    std::ofstream(folder()) << "not a folder";
    DayLogWriter writer(folder(), notices);
    for (int i = 0; i < 3; ++i) {
        writer.add("{\"kind\":\"lost one\"}", time.wall.now());
        writer.flush();
    }
    ASSERT_EQ(actNow().size(), 1U) << errors.str();
    EXPECT_NE(actNow()[0].text.find(today().string()), std::string::npos) << actNow()[0].text;

    std::filesystem::remove(folder());
    writer.add("{\"kind\":\"kept\"}", time.wall.now());
    writer.flush();
    EXPECT_EQ(linesOf(today()),
              (std::vector<std::string>{"{\"kind\":\"lost\",\"wall_ms\":1781341200000,\"lines\":3}",
                                        "{\"kind\":\"kept\"}"}));
    EXPECT_EQ(actNow().size(), 1U);
}

} // namespace
} // namespace aerolap::testing

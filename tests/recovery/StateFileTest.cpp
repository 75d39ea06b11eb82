#include "recovery/StateFile.h"

#include "VirtualTime.h"
#include "notices/NoticeBoard.h"
#include "recovery/CycleRecordJson.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

CycleRecord aRunningCycle(WallClock::TimePoint began) {
    Announcements announcements;
    announcements.minuteBeeps = false;
    announcements.minuteCalls[6] = false; // three minutes
    return {false,
            {Task::Free, "00.00.45", "00.07.00", true, announcements},
            RecordedCycle{began, CyclePhase::WorkingTime, began + 45s, "00.00.45", "00.07.00",
                          false, false, true},
            SchedulePlace{"/contest/day.json", 2, 1, 0, ScheduleState::Running, std::nullopt}};
}

std::string contentOf(const std::filesystem::path& path) {
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), {}};
}

/// A state folder of its own, the notices told, the files' writer and the wall clock of a fixed
/// day.
struct StateFileFixture : ::testing::Test {
    std::string noticesText() const { return lines.str(); }
    int noticeCount() const { return static_cast<int>(notices.entries().size()); }

    VirtualTime time;
    std::ostringstream lines;
    NoticeBoard notices{time.wall, lines};
    QTemporaryDir folder;
    std::filesystem::path stateFolder = folder.filePath(QStringLiteral("state")).toStdString();
    FileWriter files{notices};
};

TEST_F(StateFileFixture, WritesAndReadsBackARecordWholeAndEachNewerOneReplacesIt) {
    StateFile file(stateFolder, files, notices);
    EXPECT_EQ(file.read(time.wall.now()), std::nullopt) << "no file yet: nothing, and no word";
    const CycleRecord record = aRunningCycle(time.wall.now() - 2min);
    CycleRecord clean = record;
    clean.clean = true;
    clean.cycle.reset();
    file.write(record);
    files.flush(FileWriter::kPatience);
    EXPECT_EQ(file.read(time.wall.now()), record);
    file.write(clean);
    files.flush(FileWriter::kPatience);
    EXPECT_EQ(file.read(time.wall.now()), clean);
    EXPECT_EQ(noticeCount(), 0) << noticesText();
}

// A file of yesterday's version names the boxes by the window's elements and keeps no state of
// the schedule: it is read as it was meant.
TEST_F(StateFileFixture, ReadsTheFileOfTheVersionBefore) {
    std::filesystem::create_directories(stateFolder);
    std::ofstream(stateFolder / StateFile::kName) << R"({"aerolap_state": 1, "clean": false,
        "settings": {"task": "TO LIBERO", "preparation": "00.00.45", "working": "00.07.00",
                     "loop": true, "boxes": {"Check1": true, "Check9": false, "Check16": false}},
        "schedule": {"file": "/contest/day.json", "round": 3, "group": 2, "flight": 1}})";
    StateFile file(stateFolder, files, notices);
    CycleRecord expected = aRunningCycle(time.wall.now());
    expected.cycle.reset();
    expected.schedule->state = ScheduleState::Waiting;
    EXPECT_EQ(file.read(time.wall.now()), expected) << noticesText();
}

struct BadState {
    const char* name;
    std::function<std::string(const CycleRecord&)> bytes;
    const char* fault;
};

const BadState kBadStates[] = {
    {"Truncated", [](const auto& r) { return cycleRecordJson(r).left(120).toStdString(); },
     "is cut short"},
    {"Empty", [](const auto&) { return std::string(); }, "is empty"},
    {"NotJson", [](const auto&) { return std::string("round 3, group 2"); }, "is not JSON"},
    {"NotOurs", [](const auto&) { return std::string(R"({"rounds": []})"); },
     "is not a state file of Aerolap"},
    {"FromANewerVersion",
     [](const auto& r) {
         return cycleRecordJson(r)
             .replace("\"aerolap_state\": 1", "\"aerolap_state\": 2")
             .toStdString();
     },
     "was written by a newer version of Aerolap"},
    {"WithABadPhase",
     [](const auto& r) {
         return cycleRecordJson(r).replace("working time", "lunch").toStdString();
     },
     "has no readable \"phase\""},
    {"ForACycleThatBeginsInTheFuture",
     [](const auto& r) {
         CycleRecord future = r;
         future.cycle->began += 1h;
         return cycleRecordJson(future).toStdString();
     },
     "holds a cycle that begins in the future"},
};

class BadStateFile : public StateFileFixture, public ::testing::WithParamInterface<BadState> {};

// Each gets one notice naming the file and the fault; the timer starts afresh, and the file is
// kept beside, byte for byte, since the next record replaces it.
TEST_P(BadStateFile, IsNamedWithItsFaultAndKeptAside) {
    std::filesystem::create_directories(stateFolder);
    const std::string bytes = GetParam().bytes(aRunningCycle(time.wall.now() - 1min));
    std::ofstream(stateFolder / StateFile::kName) << bytes;
    StateFile file(stateFolder, files, notices);
    EXPECT_EQ(file.read(time.wall.now()), std::nullopt);
    ASSERT_EQ(noticeCount(), 1) << noticesText();
    const std::string told = notices.entries()[0].text();
    EXPECT_NE(told.find((stateFolder / StateFile::kName).string()), std::string::npos) << told;
    EXPECT_NE(told.find(GetParam().fault), std::string::npos) << told;
    EXPECT_EQ(contentOf(stateFolder / (std::string(StateFile::kName) + ".unreadable")), bytes);
}

INSTANTIATE_TEST_SUITE_P(Faults, BadStateFile, ::testing::ValuesIn(kBadStates),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(StateFileFixture, AFolderInPlaceOfTheFileIsNamedOnReadingAndWriting) {
    std::filesystem::create_directories(stateFolder / StateFile::kName);
    StateFile file(stateFolder, files, notices);
    EXPECT_EQ(file.read(time.wall.now()), std::nullopt);
    EXPECT_NE(noticesText().find("is not a regular file"), std::string::npos) << noticesText();
    file.write(aRunningCycle(time.wall.now()));
    files.flush(FileWriter::kPatience);
    EXPECT_EQ(noticeCount(), 2) << noticesText();
    EXPECT_EQ(notices.entries()[1].urgency, Notice::Urgency::ActNow);
    EXPECT_TRUE(std::filesystem::is_directory(stateFolder / StateFile::kName)) << "left alone";
}

} // namespace
} // namespace aerolap::testing

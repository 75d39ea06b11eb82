#pragma once

#include "VirtualTime.h"
#include "notices/NoticeBoard.h"
#include "recovery/CycleRecordJson.h"
#include "recovery/StateFile.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace aerolap::testing {

using namespace std::chrono_literals;

inline CycleRecord aRunningCycle(WallClock::TimePoint began) {
    Announcements announcements;
    announcements.minuteBeeps = false;
    announcements.minuteCalls[6] = false; // three minutes
    return {false,
            {Task::Free, "00.00.45", "00.07.00", true, announcements},
            RecordedCycle{began, CyclePhase::WorkingTime, began + 45s, "00.00.45", "00.07.00",
                          false, false, true},
            SchedulePlace{"/contest/day.json", 2, 1, 0, ScheduleState::Running, std::nullopt}};
}

inline std::string contentOf(const std::filesystem::path& path) {
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), {}};
}

/// A state folder of its own, the notices told, and the wall clock of a fixed day.
struct StateFileFixture : ::testing::Test {
    std::string noticesText() const { return lines.str(); }
    int noticeCount() const { return static_cast<int>(notices.entries().size()); }

    VirtualTime time;
    std::ostringstream lines;
    NoticeBoard notices{time.wall, lines};
    QTemporaryDir folder;
    std::filesystem::path stateFolder = folder.filePath(QStringLiteral("state")).toStdString();
};

} // namespace aerolap::testing

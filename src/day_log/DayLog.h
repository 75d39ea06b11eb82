#pragma once

#include "DayLogLine.h"
#include "engine/Cycle.h"
#include "files/FileWriter.h"
#include "platform/MonotonicSource.h"
#include "platform/WallClock.h"

#include <filesystem>

namespace aerolap {

/// The record of the day a jury can be shown: each event as one line (see `DayLogLine`), stamped
/// with the real monotonic time and the wall clock at the moment it is recorded, and appended by
/// the files' writer to `<folder>/YYYY-MM-DD.jsonl`, the day being the local date of the line's
/// wall-clock moment. Recording never waits on the disk; nothing written is ever rewritten.
class DayLog {
public:
    /// `realTime` is the time no catch-up holds.
    DayLog(FileWriter& files, std::filesystem::path folder, const MonotonicSource& realTime,
           const WallClock& wall)
        : m_files(files), m_folder(std::move(folder)), m_time(realTime), m_wall(wall) {}

    void record(LineEvent event);

    const MonotonicSource& time() const { return m_time; }
    /// The file of the day of `at` in `folder`.
    static std::filesystem::path fileOf(const std::filesystem::path& folder,
                                        WallClock::TimePoint at);

private:
    FileWriter& m_files;
    const std::filesystem::path m_folder;
    const MonotonicSource& m_time;
    const WallClock& m_wall;
};

/// What the window shows at this moment, for a line: a clock that does not count gives no second.
ShownSecond shownBy(const Cycle& cycle);

} // namespace aerolap

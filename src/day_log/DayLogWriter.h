#pragma once

#include "notices/NoticeBoard.h"
#include "platform/WallClock.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>

namespace aerolap {

/// Appends the day log's lines to `<folder>/YYYY-MM-DD.jsonl`, the day being the local date of
/// each line's wall-clock moment, on a thread of its own fed by a bounded queue: whoever adds a
/// line holds the queue's lock for the push only and never waits on the disk. A full queue drops
/// lines and counts them; a line saying how many follows as soon as there is room. A write that
/// fails (disk full, a read-only folder, a folder that is a file) is one notice for the director;
/// the lines meanwhile are counted as lost, and the log says how many once it can write again.
/// Nothing already written is ever rewritten.
class DayLogWriter {
public:
    static constexpr std::size_t kDefaultCapacity = 4096;

    DayLogWriter(std::filesystem::path folder, NoticeBoard& notices,
                 std::size_t capacity = kDefaultCapacity);
    /// Writes what is queued, then stops the thread.
    ~DayLogWriter();
    DayLogWriter(const DayLogWriter&) = delete;
    DayLogWriter& operator=(const DayLogWriter&) = delete;

    /// Queues one line (a JSON object, without its line end) of the moment `at`; drops it when the
    /// queue is full.
    void add(std::string line, WallClock::TimePoint at);
    /// Waits until every line queued so far has been written or given up: for tests and the
    /// report of today.
    void flush();

    /// The file of the day of `at` in `folder`.
    static std::filesystem::path fileOf(const std::filesystem::path& folder,
                                        WallClock::TimePoint at);

private:
    struct Line {
        std::string text;
        WallClock::TimePoint at;
        /// The lines of the day this one stands for: those a line about missing lines counts.
        std::size_t standsFor = 1;
    };

    void run();
    /// Appends `text`, a whole number of lines, to `file`; says what went wrong, or nothing.
    std::string append(const std::filesystem::path& file, const std::string& text);
    void write(std::deque<Line> lines, std::size_t dropped);

    const std::filesystem::path m_folder;
    NoticeBoard& m_notices;
    const std::size_t m_capacity;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Line> m_queue;
    std::size_t m_dropped = 0;
    bool m_writing = false;
    bool m_stopping = false;

    // The writer thread's own.
    std::size_t m_lost = 0;
    bool m_failing = false;
    bool m_lastWriteCut = false;

    std::thread m_thread;
};

} // namespace aerolap

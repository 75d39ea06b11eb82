#pragma once

#include "notices/NoticeBoard.h"

#include <QByteArray>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace aerolap {

/// What a file is to the director, for the notices about it; and, for a file of lines, how it
/// tells of lines that never reached it. Each is a constant of the file's owner: the writer tells
/// one from another by its address, and keeps its count of faults and missing lines by it.
struct KeptFile {
    /// "The state file", marked for the catalogues in context "Message", as the next.
    const char* name;
    /// What its failure costs: "after a crash the timer could not resume the cycle".
    const char* whileFailing;
    /// The line written before `next` for `count` lines that never reached the file: dropped from
    /// a full queue, or `lost` to failed writes.
    std::string (*missingLines)(bool lost, std::size_t count, const std::string& next) = nullptr;
};

/// The one thread ("files") that makes every write of the program while it runs, so that no
/// handler ever waits on a disk, and that owns what goes wrong: a failure is one notice naming
/// the file and the fault, however many writes fail, and one more once the file is written again.
/// A file is either replaced whole (a newer content for a path replaces one not yet written) or
/// appended to, line by line in order, from a bounded queue: lines dropped from a full queue and
/// lines lost to a failing disk are counted, and told of in the file once it can be written again.
/// A line left cut (by a failed write, a crash, a power cut) is ended before the next one.
class FileWriter {
public:
    static constexpr std::size_t kQueuedLines = 4096;
    /// How long the program waits for its files on its way out, or before it reads one back.
    static constexpr std::chrono::milliseconds kPatience = std::chrono::seconds(2);

    explicit FileWriter(NoticeBoard& notices, std::size_t queuedLines = kQueuedLines);
    /// Writes all that was handed over, then stops the thread.
    ~FileWriter();

    /// What a file is replaced with, made when it is written.
    using Content = std::function<QByteArray()>;
    /// Told on the writing thread, once the content handed over with it (or a newer one) has been
    /// written, or has failed to be: whether the file now holds it.
    using Written = std::function<void(bool saved)>;

    /// Replaces the file at `path` with `bytes` in one step, making its folder.
    void replace(const KeptFile& kind, const std::filesystem::path& path, QByteArray bytes);
    /// The same with what `content` makes, on the writing thread, so that a large file costs the
    /// caller only a copy of its data; one replaced before it is written is never made.
    void replace(const KeptFile& kind, const std::filesystem::path& path, Content content,
                 Written written = {});
    /// Appends `line` and a line end to the file at `path`, making its folder.
    void append(const KeptFile& kind, std::filesystem::path path, std::string line);
    /// Waits at most `limit` for all that was handed over so far; says whether it is done.
    bool flush(std::chrono::milliseconds limit);
    /// The newest content handed over to replace the file at `path` and not yet written, if any:
    /// what the file is about to hold, for whoever would read it back without waiting.
    std::optional<QByteArray> pending(const std::filesystem::path& path);

private:
    struct Whole {
        const KeptFile* kind;
        Content content;
        std::vector<Written> waiting;
    };
    struct Line {
        const KeptFile* kind;
        std::filesystem::path path;
        std::string text;
    };
    /// The writing thread's account of a kind of file.
    struct Trouble {
        bool failing = false;
        std::size_t lost = 0;
        std::size_t dropped = 0;
    };

    void run();
    void writeLines(std::deque<Line> lines);
    void tell(const KeptFile& kind, const std::filesystem::path& path,
              const std::optional<std::string>& fault);

    NoticeBoard& m_notices;
    const std::size_t m_queuedLines;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::map<std::filesystem::path, Whole> m_wholes;
    /// Those the writing thread is writing now.
    std::map<std::filesystem::path, Whole> m_inFlight;
    std::deque<Line> m_lines;
    std::map<const KeptFile*, std::size_t> m_dropped;
    bool m_writing = false;
    bool m_stopping = false;

    // The writing thread's own.
    std::map<const KeptFile*, Trouble> m_trouble;
    std::thread m_thread;
};

} // namespace aerolap

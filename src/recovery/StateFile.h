#pragma once

#include "CycleRecord.h"
#include "notices/NoticeBoard.h"

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace aerolap {

/// The timer's state file in the user's state folder: read once at start, then replaced at each
/// change by a thread of its own, so that the timing thread never waits for a disk. Each write
/// replaces the file in one step (QSaveFile): a crash or power loss leaves the old record or the
/// new one, never half of either. What goes wrong is a notice naming the file and the fault; the
/// timer runs on either way.
class StateFile {
public:
    static constexpr const char* kName = "cycle-state.json";

    StateFile(std::filesystem::path folder, NoticeBoard& notices);
    /// Writes the last record handed over before it returns.
    ~StateFile();
    StateFile(const StateFile&) = delete;
    StateFile& operator=(const StateFile&) = delete;

    std::filesystem::path path() const { return m_folder / kName; }

    /// The record last written, or nothing when there is none or it cannot be used (said in a
    /// notice; a bad file is kept beside, so nothing is lost when the next record replaces it).
    std::optional<CycleRecord> read(WallClock::TimePoint now);

    /// Hands `record` over to the writing thread; a record not yet written is replaced by it.
    void write(CycleRecord record);
    /// Returns once every record handed over is written, or has failed.
    void flush();

private:
    void writeLoop();
    void writeNow(const CycleRecord& record);
    void refuse(const std::string& fault);

    std::filesystem::path m_folder;
    NoticeBoard& m_notices;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<CycleRecord> m_pending;
    bool m_writing = false;
    bool m_stopping = false;
    // Touched by the writing thread only: the fault last told, until a write succeeds again.
    bool m_failing = false;
    std::string m_lastFault;
    std::thread m_writer;
};

} // namespace aerolap

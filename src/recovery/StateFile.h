#pragma once

#include "CycleRecord.h"
#include "files/FileWriter.h"
#include "notices/NoticeBoard.h"

#include <filesystem>
#include <optional>
#include <utility>

namespace aerolap {

/// The timer's state file in the user's state folder: read once at start, then replaced at each
/// change by the files' writer, so that the timing thread never waits for a disk. Each write
/// replaces the file in one step (QSaveFile): a crash or power loss leaves the old record or the
/// new one, never half of either. What goes wrong is a notice naming the file and the fault; the
/// timer runs on either way.
class StateFile {
public:
    static constexpr const char* kName = "cycle-state.json";

    StateFile(std::filesystem::path folder, FileWriter& files, NoticeBoard& notices)
        : m_folder(std::move(folder)), m_files(files), m_notices(notices) {}

    std::filesystem::path path() const { return m_folder / kName; }

    /// The record last written, or nothing when there is none or it cannot be used (said in a
    /// notice; a bad file is kept beside, so nothing is lost when the next record replaces it).
    std::optional<CycleRecord> read(WallClock::TimePoint now);

    /// Hands `record` over to the files' writer; a record not yet written is replaced by it.
    void write(const CycleRecord& record);

private:
    std::filesystem::path m_folder;
    FileWriter& m_files;
    NoticeBoard& m_notices;
};

} // namespace aerolap

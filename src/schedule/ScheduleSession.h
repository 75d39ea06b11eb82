#pragma once

#include "ScheduleRunner.h"
#include "platform/MessageBoxService.h"

#include <optional>
#include <string>

namespace aerolap {

/// The schedule file the runner works from: opening it (with the offer to resume where the
/// state file left off), saving it, and writing the position down on every change.
class ScheduleSession {
public:
    ScheduleSession(ScheduleRunner& runner, MessageBoxService& messageBoxes);
    ScheduleSession(const ScheduleSession&) = delete;
    ScheduleSession& operator=(const ScheduleSession&) = delete;

    /// Loads the schedule at `path`. A bad file is named in a message box and leaves the runner
    /// as it was; returns whether the schedule was taken.
    bool open(const std::string& path);
    /// Loads the schedule at `path` at `position` without asking: for the place the director has
    /// already chosen (a resumed or a declined cycle of it).
    bool openAt(const std::string& path, SchedulePosition position);
    /// Writes the schedule to `path`, which becomes its file; a failure is named in a message box.
    bool saveAs(const std::string& path);
    /// Takes the director's edit of the schedule at the same position, while no cycle runs.
    bool edit(Schedule schedule);
    const std::string& path() const { return m_path; }

private:
    bool take(const std::string& path, std::optional<SchedulePosition> chosen);
    void writeState();

    ScheduleRunner& m_runner;
    MessageBoxService& m_messageBoxes;
    std::string m_path;
};

} // namespace aerolap

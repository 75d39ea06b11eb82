#pragma once

#include "ScheduleRunner.h"
#include "draw/Draw.h"
#include "draw/Withdrawal.h"
#include "platform/MessageBoxService.h"

#include <functional>
#include <optional>
#include <string>

namespace aerolap {

/// The schedule file the runner works from: opening it, with the offer to resume where the
/// timer's record last had it, and saving it. The place itself is kept with the rest of the
/// timer's state.
class ScheduleSession {
public:
    /// Where the timer's record last had the schedule of a file, if it has it.
    using RecordedPlace = std::function<std::optional<SchedulePlace>(const std::string& path)>;

    ScheduleSession(ScheduleRunner& runner, MessageBoxService& messageBoxes);

    /// From where an opened schedule is offered to resume.
    void recallPlacesFrom(RecordedPlace recorded) { m_recorded = std::move(recorded); }
    /// Where the schedule stands, with its file; nothing without one.
    std::optional<SchedulePlace> place() const { return m_runner.place(m_path); }
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
    /// Puts the draw in the CSV file at `path` into the schedule, while no cycle runs; a bad file
    /// or a refusal is named in a message box and leaves the schedule as it was.
    bool importDraw(const std::string& path);
    /// Draws every round of the schedule for `pilots` and sets each round's number of groups,
    /// while no cycle runs; says how even the draw came out, or nothing when it was refused.
    std::optional<Evenness> generateDraw(std::vector<DrawPilot> pilots, DrawSettings settings);
    /// Takes the pilot called `name` out of every group that has not flown, at any time; a
    /// generated draw is drawn again from the first round none of whose groups has flown.
    bool withdraw(const std::string& name);
    /// The first group that has not flown yet, or nothing once the schedule is flown.
    std::optional<FirstOpenGroup> firstOpenGroup() const;
    const std::string& path() const { return m_path; }

    /// Raised once a schedule file is opened and the runner has it: what is kept beside the file
    /// comes with it.
    Signal<> opened;
    /// Raised when the schedule in hand is saved to another file than its own.
    Signal<> renamed;

private:
    bool take(const std::string& path, std::optional<SchedulePosition> chosen);
    void tell(const std::string& text, MessageIcon icon);

    ScheduleRunner& m_runner;
    MessageBoxService& m_messageBoxes;
    RecordedPlace m_recorded;
    std::string m_path;
};

} // namespace aerolap

#pragma once

#include "RemoteCommand.h"
#include "engine/Cycle.h"
#include "notices/NoticeBoard.h"
#include "schedule/ScheduleRunner.h"

#include <functional>
#include <string>

namespace aerolap {

/// Where a checked command from the director's remote is carried out, on the timing thread: it
/// presses the button the operator would press, or asks the schedule runner for its move, and
/// tells the director at the laptop who did what. The one place every remote command passes, so
/// whatever must see them all (the day log) hooks in here. It re-checks what may have changed
/// since the command was checked: a dialog opened meanwhile, a cycle started.
class RemoteCommandDesk {
public:
    /// Whether a dialog of the window is waiting for an answer: its event loop would run the
    /// command in the middle of the director's question.
    using DialogOpen = std::function<bool()>;

    RemoteCommandDesk(Cycle& cycle, ScheduleRunner& runner, DialogOpen dialogOpen,
                      NoticeBoard& notices);

    RemoteOutcome perform(const RemoteCommand& command, const std::string& deviceName);

private:
    RemoteOutcome outcomeOf(const RemoteCommand& command);
    RemoteOutcome press(CycleCommand command, std::string done);
    RemoteOutcome move(bool moved, std::string done) const;

    Cycle& m_cycle;
    ScheduleRunner& m_runner;
    DialogOpen m_dialogOpen;
    NoticeBoard& m_notices;
};

} // namespace aerolap

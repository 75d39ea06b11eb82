#include "RemoteCommandDesk.h"

namespace aerolap {

RemoteCommandDesk::RemoteCommandDesk(Cycle& cycle, ScheduleRunner& runner, DialogOpen dialogOpen,
                                     NoticeBoard& notices)
    : m_cycle(cycle), m_runner(runner), m_dialogOpen(std::move(dialogOpen)), m_notices(notices) {}

RemoteOutcome RemoteCommandDesk::perform(const RemoteCommand& command,
                                         const std::string& deviceName) {
    const RemoteOutcome outcome = outcomeOf(command);
    m_notices.post(
        "The director's remote (\"" + deviceName + "\"): " +
        (outcome.done ? outcome.message
                      : std::string(actionName(command.action)) + " refused: " + outcome.message));
    return outcome;
}

RemoteOutcome RemoteCommandDesk::outcomeOf(const RemoteCommand& command) {
    if (m_dialogOpen()) {
        return {false, "a dialog is open on the laptop; answer it there first."};
    }
    switch (command.action) {
    case RemoteAction::Start:
        return press(CycleCommand::Start, "started the cycle.");
    case RemoteAction::Stop:
        return press(CycleCommand::Stop, "stopped the cycle.");
    case RemoteAction::Reset:
        return press(CycleCommand::Reset, "reset the timer.");
    case RemoteAction::Skip:
        return move(m_runner.loaded() && m_runner.skip(), "skipped to the next group.");
    case RemoteAction::Back:
        return move(m_runner.loaded() && m_runner.back(), "went back one group.");
    case RemoteAction::Jump:
        return move(m_runner.loaded() && m_runner.jumpTo({command.round - 1, command.group - 1}),
                    "jumped to round " + std::to_string(command.round) + ", group " +
                        std::to_string(command.group) + ".");
    }
    return {false, "unknown command."};
}

RemoteOutcome RemoteCommandDesk::press(CycleCommand command, std::string done) {
    if (!m_cycle.press(command)) {
        return {false, "that button is not on the window now."};
    }
    return {true, std::move(done)};
}

RemoteOutcome RemoteCommandDesk::move(bool moved, std::string done) const {
    if (moved) {
        return {true, std::move(done)};
    }
    if (!m_runner.loaded()) {
        return {false, "no schedule is loaded."};
    }
    return {false, "the schedule moves only while no cycle runs, within its rounds."};
}

} // namespace aerolap

#include "RemoteCommandDesk.h"

namespace aerolap {

RemoteCommandDesk::RemoteCommandDesk(Form1& form, ScheduleRunner& runner, DialogOpen dialogOpen,
                                     NoticeBoard& notices)
    : m_form(form), m_runner(runner), m_dialogOpen(std::move(dialogOpen)), m_notices(notices) {}

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
        return click(m_form.Command5, "started the cycle.");
    case RemoteAction::Stop:
        return click(m_form.Command7, "stopped the cycle.");
    case RemoteAction::Reset:
        return click(m_form.Command2, "reset the timer.");
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

RemoteOutcome RemoteCommandDesk::click(CommandButton& button, std::string done) {
    // The operator can only press what the window shows.
    if (!button.visible()) {
        return {false, "that button is not on the window now."};
    }
    button.click();
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

#include "RemoteCommandDesk.h"

namespace aerolap {

RemoteCommandDesk::RemoteCommandDesk(Cycle& cycle, ScheduleRunner& runner, DialogOpen dialogOpen,
                                     NoticeBoard& notices)
    : m_cycle(cycle), m_runner(runner), m_dialogOpen(std::move(dialogOpen)), m_notices(notices) {}

RemoteOutcome RemoteCommandDesk::perform(const RemoteCommand& command,
                                         const std::string& deviceName) {
    const RemoteOutcome outcome = outcomeOf(command);
    // The outcome's words, marked for the catalogues where they are made, are translated with
    // the notice; the phone gets them as they stand.
    if (!outcome.done) {
        m_notices.post(
            {QT_TRANSLATE_NOOP("Message", "The director's remote (\"%1\"): %2 refused: %3"),
             {deviceName, std::string(actionName(command.action)), outcome.message}});
    } else if (command.action == RemoteAction::Jump) {
        m_notices.post(
            {QT_TRANSLATE_NOOP("Message",
                               "The director's remote (\"%1\") jumped to round %2, group %3."),
             {deviceName, std::to_string(command.round), std::to_string(command.group)}});
    } else {
        m_notices.post({QT_TRANSLATE_NOOP("Message", "The director's remote (\"%1\"): %2"),
                        {deviceName, outcome.message}});
    }
    return outcome;
}

RemoteOutcome RemoteCommandDesk::outcomeOf(const RemoteCommand& command) {
    if (m_dialogOpen()) {
        return {false, QT_TRANSLATE_NOOP("Message",
                                         "a dialog is open on the laptop; answer it there first.")};
    }
    switch (command.action) {
    case RemoteAction::Start:
        return press(CycleCommand::Start, QT_TRANSLATE_NOOP("Message", "started the cycle."));
    case RemoteAction::Stop:
        return press(CycleCommand::Stop, QT_TRANSLATE_NOOP("Message", "stopped the cycle."));
    case RemoteAction::Reset:
        return press(CycleCommand::Reset, QT_TRANSLATE_NOOP("Message", "reset the timer."));
    case RemoteAction::Skip:
        return move(m_runner.loaded() && m_runner.skip(),
                    QT_TRANSLATE_NOOP("Message", "skipped to the next group."));
    case RemoteAction::Back:
        return move(m_runner.loaded() && m_runner.back(),
                    QT_TRANSLATE_NOOP("Message", "went back one group."));
    case RemoteAction::Jump:
        return move(m_runner.loaded() && m_runner.jumpTo({command.round - 1, command.group - 1}),
                    "jumped to round " + std::to_string(command.round) + ", group " +
                        std::to_string(command.group) + ".");
    }
    return {false, QT_TRANSLATE_NOOP("Message", "unknown command.")};
}

RemoteOutcome RemoteCommandDesk::press(CycleCommand command, std::string done) {
    if (!m_cycle.press(command)) {
        return {false, QT_TRANSLATE_NOOP("Message", "that button is not on the window now.")};
    }
    return {true, std::move(done)};
}

RemoteOutcome RemoteCommandDesk::move(bool moved, std::string done) const {
    if (moved) {
        return {true, std::move(done)};
    }
    if (!m_runner.loaded()) {
        return {false, QT_TRANSLATE_NOOP("Message", "no schedule is loaded.")};
    }
    return {false,
            QT_TRANSLATE_NOOP("Message", "the schedule moves only while no cycle runs, within its "
                                         "rounds.")};
}

} // namespace aerolap

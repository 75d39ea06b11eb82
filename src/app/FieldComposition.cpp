#include "FieldComposition.h"

#include "remote/DirectorStateJson.h"

namespace aerolap {

FieldComposition::FieldComposition(TimerComposition& timer, const FieldServices& services)
    : m_timer(timer) {
    keepDisplayAwakeWhileRunning(timer.cycle(), services.stayAwake);
    keepTimersFineDuringCycle(timer.cycle(), services.timerResolution);
    if (services.pages == nullptr) {
        return;
    }
    feedPages(*services.pages);
    if (services.remote != nullptr) {
        serveRemote(*services.pages, *services.remote, services);
    }
}

void FieldComposition::feedPages(PilotsDisplayThread& pages) {
    DisplayStatePublisher& state = m_timer.displayState();
    // The draw goes ahead of the state that names its version, on the same queue.
    state.drawChanged.connect(
        [&pages](const std::optional<DrawDocument>& draw) { pages.publishDraw(draw); });
    // So do the results, built here on the GUI thread once per version.
    ResultsFeed& results = m_results.emplace(m_timer.scores());
    pages.publishResults(results.json());
    state.showResultsVersion(results.version());
    results.changed.connect([&pages, &results, &state] {
        pages.publishResults(results.json());
        state.showResultsVersion(results.version());
    });
    pages.publish(state.current());
    state.changed.connect([&pages](const DisplayState& shown) { pages.publish(shown); });
}

void FieldComposition::serveRemote(PilotsDisplayThread& pages, RemoteAccess& remote,
                                   const FieldServices& services) {
    m_remoteDesk.emplace(m_timer.cycle(), m_timer.scheduleRunner(), services.dialogOpen,
                         services.notices);
    pages.serveRemote(remote, [this, onTimerThread = services.onTimerThread](
                                  const RemoteCommand& command, const std::string& device,
                                  const RemoteRoutes::Answer& answer) {
        onTimerThread([this, command, device, answer] {
            const RemoteOutcome outcome = m_remoteDesk->perform(command, device);
            m_timer.dayLog().record(RemoteCommanded{
                device, outcome.done ? describe(command)
                                     : describe(command) + " (refused: " + outcome.message + ")"});
            answer(outcome);
        });
    });
    const auto publish = [this, &pages](const CycleSnapshot& cycle) {
        const ScheduleRunner& runner = m_timer.scheduleRunner();
        pages.publishDirectorState(
            directorStateJson(cycle, runner.loaded() ? &runner.schedule() : nullptr));
    };
    publish(m_timer.cycle().lastSettled());
    m_timer.cycle().settled.connect(publish);
}

} // namespace aerolap

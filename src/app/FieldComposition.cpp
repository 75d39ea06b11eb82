#include "FieldComposition.h"

#include "remote/DirectorStateJson.h"
#include "web/TimekeeperGroupJson.h"

#include <algorithm>

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
        serveTimekeepers(*services.pages, *services.remote, services);
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

void FieldComposition::serveTimekeepers(PilotsDisplayThread& pages, RemoteAccess& remote,
                                        const FieldServices& services) {
    TimekeeperDesk& desk = m_timekeeperDesk.emplace(
        m_timer.scores(), m_timer.scheduleRunner(), [&remote](const auto& id) {
            return std::ranges::count(remote.devices(DeviceRole::Timekeeper), id,
                                      &PairedDevice::id) > 0;
        });
    const auto onTimerThread = services.onTimerThread;
    pages.serveTimekeepers(
        remote,
        {[&desk, onTimerThread](std::string device, std::string name, PilotClaim claim,
                                TimekeeperRoutes::Reply reply) {
             onTimerThread(
                 [&desk, device, name, claim, reply] { reply(desk.claim(device, name, claim)); });
         },
         [&desk, onTimerThread](std::string device, PhoneCard card, TimekeeperRoutes::Reply reply) {
             onTimerThread([&desk, device, card, reply] { desk.takeCard(device, card, reply); });
         }});
    const auto publish = [this, &pages, &desk] {
        pages.publishTimekeeperGroup(
            timekeeperGroupJson(m_timer.scores(), m_timer.scheduleRunner(), desk));
    };
    publish();
    m_timer.scheduleRunner().changed.connect(publish);
    m_timer.scores().changed.connect(publish);
    desk.claimsChanged.connect(publish);
}

} // namespace aerolap

#include "ScheduledCycleOf.h"

#include "DrawDocument.h"

namespace aerolap {

namespace {

/// The group in hand and the one on deck, and when the next START is due.
void addWhoFlies(ScheduledCycle& cycle, const ScheduleRunner& runner) {
    const Schedule& schedule = runner.schedule();
    const SchedulePosition position = runner.position();
    cycle.pilots = pilotsOf(*schedule.draw, position.round, position.group);
    std::optional<SchedulePosition> onDeck = position;
    while (onDeck && onDeck->round == position.round && onDeck->group == position.group) {
        onDeck = nextPosition(schedule, *onDeck);
    }
    if (onDeck) {
        cycle.onDeck = pilotsOf(*schedule.draw, onDeck->round, onDeck->group);
        cycle.onDeckCycle = cycleIndexOf(schedule, *onDeck);
    }
    if (const auto startIn = runner.timeToNextCycle()) {
        cycle.startIn = static_cast<int>(startIn->count());
        const bool inGap = runner.state() == ScheduleRunner::State::Gap;
        cycle.startCycle = cycleIndexOf(schedule, position) + (inGap ? 0 : 1);
    }
}

} // namespace

std::optional<ScheduledCycle> scheduledCycleOf(const ScheduleRunner& runner, int drawVersion) {
    if (!runner.loaded()) {
        return std::nullopt;
    }
    const auto [round, group, flight] = runner.position();
    const auto window = runner.window();
    // In the gap the position is already the coming cycle.
    const bool running = runner.state() == ScheduleRunner::State::Running ||
                         runner.state() == ScheduleRunner::State::Paused;
    const auto next = running ? nextPosition(runner.schedule(), runner.position())
                              : std::optional(runner.position());
    std::string nextText;
    if (next && runner.state() != ScheduleRunner::State::Finished) {
        nextText = "round " + std::to_string(next->round + 1) + ", group " +
                   std::to_string(next->group + 1) + ", flight " + std::to_string(next->flight + 1);
    }
    ScheduledCycle cycle{round + 1,
                         group + 1,
                         flight + 1,
                         runner.schedule().rounds[static_cast<std::size_t>(round)].task,
                         window == ScheduleRunner::Window::TestFlights ? "test"
                         : window == ScheduleRunner::Window::NoFly     ? "no_fly"
                                                                       : "",
                         nextText};
    if (runner.schedule().draw && drawVersion > 0) {
        cycle.drawVersion = drawVersion;
        addWhoFlies(cycle, runner);
    }
    return cycle;
}

} // namespace aerolap

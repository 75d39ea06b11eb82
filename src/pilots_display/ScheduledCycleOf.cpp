#include "ScheduledCycleOf.h"

namespace aerolap {

std::optional<ScheduledCycle> scheduledCycleOf(const ScheduleRunner& runner) {
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
    return ScheduledCycle{round + 1,
                          group + 1,
                          flight + 1,
                          runner.schedule().rounds[static_cast<std::size_t>(round)].task,
                          window == ScheduleRunner::Window::TestFlights ? "test"
                          : window == ScheduleRunner::Window::NoFly     ? "no_fly"
                                                                        : "",
                          nextText};
}

} // namespace aerolap

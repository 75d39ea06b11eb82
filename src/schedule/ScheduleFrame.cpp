#include "ScheduleFrame.h"

#include "engine/CyclePhase.h"
#include "engine/CycleTexts.h"
#include "platform/NameTable.h"

namespace aerolap {

namespace {

std::string twoDigits(int number) {
    return {static_cast<char>('0' + number / 10 % 10), static_cast<char>('0' + number % 10)};
}

constexpr NameTable<ScheduleRunner::Window, 3> kPreparationCodes{{
    {ScheduleRunner::Window::TestFlights, "TT"},
    {ScheduleRunner::Window::NoFly, "NF"},
    {ScheduleRunner::Window::None, "PT"},
}};

} // namespace

std::optional<std::string> scheduleFrame(const ScheduleRunner& runner, const Cycle& cycle,
                                         std::string_view minutesSeconds) {
    if (!runner.loaded() || !runner.schedule().extendedFrame) {
        return std::nullopt;
    }
    const CyclePhase phase = cycle.phase();
    // A phase's poll loads the next phase's time before it hands over: that frame already shows
    // where the next phase starts, so it carries the next phase's state (and, after the landing
    // window, the next cycle). The preparation's poll has stopped itself by then, STOP still shows.
    const bool handingOver = !cycle.counting() && cycle.runningTime() != kTimeUp;
    std::optional<SchedulePosition> position;
    if (runner.state() != ScheduleRunner::State::Finished) {
        position = handingOver && phase == CyclePhase::Landing
                       ? nextPosition(runner.schedule(), runner.position())
                       : runner.position();
    }
    std::string_view state = "PT";
    if (phase == CyclePhase::Preparation) {
        state = nameOf(kPreparationCodes, runner.window());
    } else if (phase == CyclePhase::WorkingTime) {
        state = handingOver ? "LT" : "WT";
    } else if (phase == CyclePhase::Landing) {
        state = handingOver ? "PT" : "LT";
    } else if (phase == CyclePhase::Stopped) {
        state = "ST";
    } else if (cycle.stopShows()) {
        state = "WT";
    }
    // Outside the schedule, past its last cycle, round and group are 00.
    return "R" + twoDigits(position ? position->round + 1 : 0) + "G" +
           twoDigits(position ? position->group + 1 : 0) + "T" + std::string(minutesSeconds) +
           std::string(state) + "\r";
}

} // namespace aerolap

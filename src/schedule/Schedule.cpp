#include "Schedule.h"

namespace aerolap {

bool contains(const Schedule& schedule, SchedulePosition position) {
    if (position.round < 0 || position.round >= std::ssize(schedule.rounds)) {
        return false;
    }
    const ScheduleRound& round = schedule.rounds[static_cast<std::size_t>(position.round)];
    return position.group >= 0 && position.group < round.groups && position.flight >= 0 &&
           position.flight < round.flights;
}

CyclePlan planOf(const Schedule& schedule, SchedulePosition position) {
    const ScheduleRound& round = schedule.rounds.at(static_cast<std::size_t>(position.round));
    const int noFly = round.noFly.value_or(schedule.noFly);
    CyclePlan plan{round.preparation.value_or(schedule.preparation), round.working,
                   round.test.value_or(schedule.test), noFly, round.gap.value_or(schedule.gap)};
    // A later flight of the group waits out a no-fly window only, without test flights.
    if (position.flight > 0) {
        plan.preparation = noFly > 0 ? noFly : kLaterFlightNoFly;
        plan.noFly = plan.preparation;
        plan.test = 0;
    }
    return plan;
}

std::optional<SchedulePosition> nextPosition(const Schedule& schedule, SchedulePosition position) {
    for (SchedulePosition next :
         {SchedulePosition{position.round, position.group, position.flight + 1},
          SchedulePosition{position.round, position.group + 1, 0},
          SchedulePosition{position.round + 1, 0, 0}}) {
        if (contains(schedule, next)) {
            return next;
        }
    }
    return std::nullopt;
}

std::optional<SchedulePosition> previousPosition(const Schedule& schedule,
                                                 SchedulePosition position) {
    if (position.flight > 0) {
        return SchedulePosition{position.round, position.group, position.flight - 1};
    }
    int round = position.round;
    int group = position.group - 1;
    if (group < 0) {
        if (--round < 0) {
            return std::nullopt;
        }
        group = schedule.rounds[static_cast<std::size_t>(round)].groups - 1;
    }
    const SchedulePosition previous{round, group,
                                    schedule.rounds[static_cast<std::size_t>(round)].flights - 1};
    return contains(schedule, previous) ? std::optional(previous) : std::nullopt;
}

} // namespace aerolap

#include "F3kTasks.h"

namespace aerolap {

namespace {
// The all-up task flies three one-launch flights of 3:00, each with its 3 s launch signal.
constexpr F3kTask kTasks[] = {
    {"A", "Last flight", 420, 1},
    {"B", "Last two flights", 600, 1},
    {"C", "All up, last down", 183, 3},
    {"D", "Two flights", 600, 1},
    {"E", "Poker", 600, 1},
    {"F", "Best 3 of 6", 600, 1},
    {"G", "Five longest flights", 600, 1},
    {"H", "One, two, three, four", 600, 1},
    {"I", "Three longest flights", 600, 1},
    {"J", "Last three flights", 600, 1},
    {"K", "Big ladder", 600, 1},
    {"L", "One flight", 600, 1},
    {"M", "Huge ladder", 900, 1},
    {"N", "Best flight", 600, 1},
};
} // namespace

std::span<const F3kTask> f3kTasks() {
    return kTasks;
}

ScheduleRound roundOf(const F3kTask& task) {
    ScheduleRound round;
    round.task = task.letter;
    round.title = task.title;
    round.working = task.working;
    round.flights = task.flights;
    return round;
}

} // namespace aerolap

#include "F3kTasks.h"

#include <QtGlobal>

namespace aerolap {

namespace {
// The titles go into schedule files as they are here; the windows show them translated.
// The all-up task flies three one-launch flights of 3:00, each with its 3 s launch signal.
constexpr F3kTask kTasks[] = {
    {"A", QT_TRANSLATE_NOOP("F3kTasks", "Last flight"), 420, 1},
    {"B", QT_TRANSLATE_NOOP("F3kTasks", "Last two flights"), 600, 1},
    {"C", QT_TRANSLATE_NOOP("F3kTasks", "All up, last down"), 183, 3},
    {"D", QT_TRANSLATE_NOOP("F3kTasks", "Two flights"), 600, 1},
    {"E", QT_TRANSLATE_NOOP("F3kTasks", "Poker"), 600, 1},
    {"F", QT_TRANSLATE_NOOP("F3kTasks", "Best 3 of 6"), 600, 1},
    {"G", QT_TRANSLATE_NOOP("F3kTasks", "Five longest flights"), 600, 1},
    {"H", QT_TRANSLATE_NOOP("F3kTasks", "One, two, three, four"), 600, 1},
    {"I", QT_TRANSLATE_NOOP("F3kTasks", "Three longest flights"), 600, 1},
    {"J", QT_TRANSLATE_NOOP("F3kTasks", "Last three flights"), 600, 1},
    {"K", QT_TRANSLATE_NOOP("F3kTasks", "Big ladder"), 600, 1},
    {"L", QT_TRANSLATE_NOOP("F3kTasks", "One flight"), 600, 1},
    {"M", QT_TRANSLATE_NOOP("F3kTasks", "Huge ladder"), 900, 1},
    {"N", QT_TRANSLATE_NOOP("F3kTasks", "Best flight"), 600, 1},
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

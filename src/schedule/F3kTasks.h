#pragma once

#include "Schedule.h"

#include <span>

namespace aerolap {

/// The usual working window of an F3K task, offered when a round is added. A starting value the
/// director edits freely: rule books change, and the program enforces none of it.
struct F3kTask {
    const char* letter;
    const char* title;
    int working;
    int flights;
};

std::span<const F3kTask> f3kTasks();

/// A round of the task with its usual working time and one group.
ScheduleRound roundOf(const F3kTask& task);

} // namespace aerolap

#include "CycleSnapshot.h"

#include "platform/NameTable.h"

namespace aerolap {

namespace {

constexpr NameTable<Task, 4> kTaskCaptions{{
    {Task::ThreeMinutes, "PROVA E"},
    {Task::TenMinutes, "TO 10 MINUTI"},
    {Task::Free, "TO LIBERO"},
    {Task::Vuz, "VUZ"},
}};

constexpr NameTable<CyclePhase, 5> kPhaseNames{{
    {CyclePhase::Ready, "ready"},
    {CyclePhase::Preparation, "preparation"},
    {CyclePhase::WorkingTime, "working"},
    {CyclePhase::Landing, "landing"},
    {CyclePhase::Stopped, "stopped"},
}};

constexpr NameTable<ScheduleState, 5> kScheduleStateNames{{
    {ScheduleState::Waiting, "waiting"},
    {ScheduleState::Running, "running"},
    {ScheduleState::Gap, "gap"},
    {ScheduleState::Paused, "paused"},
    {ScheduleState::Finished, "finished"},
}};

} // namespace

std::string_view taskCaption(Task task) {
    return nameOf(kTaskCaptions, task);
}

std::optional<Task> taskCaptioned(std::string_view caption) {
    return keyNamed(kTaskCaptions, caption);
}

std::string_view phaseName(CyclePhase phase) {
    return nameOf(kPhaseNames, phase);
}

std::optional<CyclePhase> phaseNamed(std::string_view name) {
    return keyNamed(kPhaseNames, name);
}

std::string_view scheduleStateName(ScheduleState state) {
    return nameOf(kScheduleStateNames, state);
}

std::optional<ScheduleState> scheduleStateNamed(std::string_view name) {
    return keyNamed(kScheduleStateNames, name);
}

} // namespace aerolap

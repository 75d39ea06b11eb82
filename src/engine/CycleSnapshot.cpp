#include "CycleSnapshot.h"

#include <array>
#include <utility>

namespace aerolap {

namespace {

constexpr std::array<std::pair<Task, std::string_view>, 4> kTaskCaptions{{
    {Task::ThreeMinutes, "PROVA E"},
    {Task::TenMinutes, "TO 10 MINUTI"},
    {Task::Free, "TO LIBERO"},
    {Task::Vuz, "VUZ"},
}};

constexpr std::array<std::pair<CyclePhase, std::string_view>, 5> kPhaseNames{{
    {CyclePhase::Ready, "ready"},
    {CyclePhase::Preparation, "preparation"},
    {CyclePhase::WorkingTime, "working"},
    {CyclePhase::Landing, "landing"},
    {CyclePhase::Stopped, "stopped"},
}};

constexpr std::array<std::pair<ScheduleState, std::string_view>, 5> kScheduleStateNames{{
    {ScheduleState::Waiting, "waiting"},
    {ScheduleState::Running, "running"},
    {ScheduleState::Gap, "gap"},
    {ScheduleState::Paused, "paused"},
    {ScheduleState::Finished, "finished"},
}};

template <typename Key, std::size_t size>
std::string_view nameOf(const std::array<std::pair<Key, std::string_view>, size>& names, Key key) {
    for (const auto& [each, name] : names) {
        if (each == key) {
            return name;
        }
    }
    return {};
}

template <typename Key, std::size_t size>
std::optional<Key> keyNamed(const std::array<std::pair<Key, std::string_view>, size>& names,
                            std::string_view name) {
    for (const auto& [each, named] : names) {
        if (named == name) {
            return each;
        }
    }
    return std::nullopt;
}

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

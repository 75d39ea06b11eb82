#include "CycleRecord.h"

#include "elements/TimeText.h"
#include "engine/CycleTexts.h"
#include "platform/NameTable.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <utility>

namespace aerolap {

namespace {

int secondsOf(const std::string& time) {
    return TimeText::toSeconds(time).value_or(0);
}

constexpr NameTable<CyclePhase, 3> kSpokenPhases{{
    {CyclePhase::Preparation, "preparation"},
    {CyclePhase::WorkingTime, "working time"},
    {CyclePhase::Landing, "landing window"},
}};

} // namespace

std::string_view spokenPhase(CyclePhase phase) {
    return nameOf(kSpokenPhases, phase);
}

std::optional<CyclePhase> spokenPhaseNamed(std::string_view name) {
    return keyNamed(kSpokenPhases, name);
}

std::optional<CycleStanding> standingAt(const RecordedCycle& cycle, const CycleSettings& settings,
                                        WallClock::TimePoint now) {
    const int landing = secondsOf(kLandingWindowTime);
    std::vector<std::pair<CyclePhase, int>> phases;
    if (cycle.phase == CyclePhase::Preparation) {
        phases.emplace_back(CyclePhase::Preparation, secondsOf(cycle.preparation));
    }
    if (cycle.phase == CyclePhase::Preparation || cycle.phase == CyclePhase::WorkingTime) {
        phases.emplace_back(CyclePhase::WorkingTime, secondsOf(cycle.working));
    }
    phases.emplace_back(CyclePhase::Landing, landing);
    auto begins = cycle.phaseBegan;
    const std::array<std::pair<CyclePhase, int>, 3> looped{
        std::pair{CyclePhase::Preparation, secondsOf(settings.preparation)},
        std::pair{CyclePhase::WorkingTime, secondsOf(settings.working)},
        std::pair{CyclePhase::Landing, landing}};
    const auto standingIn = [&](CyclePhase phase, int length) -> std::optional<CycleStanding> {
        const auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(now - begins).count();
        begins += std::chrono::seconds(length);
        if (elapsed < length) {
            return CycleStanding{phase, length - static_cast<int>(elapsed)};
        }
        return std::nullopt;
    };
    for (const auto& [phase, length] : phases) {
        if (const auto standing = standingIn(phase, length)) {
            return standing;
        }
    }
    if (!settings.loop) {
        // Its very end, when the last cue is due, still belongs to it.
        return now == begins ? std::optional(CycleStanding{CyclePhase::Landing, 0}) : std::nullopt;
    }
    const auto period = std::chrono::seconds(looped[0].second + looped[1].second + landing);
    if (now > begins && period.count() > 0) {
        begins += (now - begins) / period * period;
    }
    for (const auto& [phase, length] : looped) {
        if (const auto standing = standingIn(phase, length)) {
            return standing;
        }
    }
    return std::nullopt;
}

std::string describeStanding(const CycleStanding& standing,
                             const std::optional<SchedulePlace>& schedule) {
    char left[32];
    std::snprintf(left, sizeof left, ", %02d:%02d left", standing.secondsLeft / 60,
                  standing.secondsLeft % 60);
    std::string text = std::string(spokenPhase(standing.phase)) + left;
    if (schedule) {
        text += ", round " + std::to_string(schedule->round + 1) + " group " +
                std::to_string(schedule->group + 1);
        if (schedule->flight > 0) {
            text += " flight " + std::to_string(schedule->flight + 1);
        }
    }
    return text;
}

} // namespace aerolap

#include "DueCues.h"

#include "elements/TimeText.h"
#include "engine/AnnouncementSwitches.h"
#include "engine/CycleController.h"
#include "engine/LandingWindow.h"
#include "engine/MinuteBeeps.h"
#include "engine/PreparationCountdown.h"
#include "engine/WorkingTimeCountdown.h"

namespace aerolap {

namespace {

PhaseTable tableOf(const PhaseBegan& settings) {
    switch (settings.phase) {
    case CyclePhase::Preparation:
        return PreparationCountdown::table(settings.vuz);
    case CyclePhase::WorkingTime:
        return WorkingTimeCountdown::table();
    case CyclePhase::Landing:
        return LandingWindow::table();
    default:
        return {};
    }
}

} // namespace

std::vector<DueCue> cuesDue(const PhaseBegan& settings, int lowest, PhaseEnd end) {
    std::vector<DueCue> due;
    const auto take = [&](std::span<const CueRow> rows) {
        for (const CueRow& row : rows) {
            const int left = TimeText::toSeconds(row.timeText).value_or(-1);
            if (left <= settings.seconds && left >= lowest &&
                gatesOpen(settings.announcements, row)) {
                due.push_back({row.timeText, left, row.file});
            }
        }
    };
    const PhaseTable table = tableOf(settings);
    take(table.rows);
    if (settings.minuteBeeps) {
        take(MinuteBeeps::rows());
    }
    if (end == PhaseEnd::RanOut && table.endCue != nullptr) {
        due.push_back({TimeText::fromSeconds(0), 0, table.endCue});
    } else if (end == PhaseEnd::LandingButton) {
        due.push_back({TimeText::fromSeconds(0), 0, CycleController::landingButtonCue()});
    }
    return due;
}

std::optional<std::string> startCallDue(const Announcements& announcements) {
    const CueRow startCall{"", {CycleController::startCallBox(), nullptr}, nullptr, ""};
    if (gatesOpen(announcements, startCall)) {
        return CycleController::startCall();
    }
    return std::nullopt;
}

} // namespace aerolap

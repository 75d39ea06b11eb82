#include "DrawDocument.h"

#include "elements/TimeText.h"
#include "engine/CycleTexts.h"

namespace aerolap {

bool DrawDocument::sameDrawAs(const DrawDocument& other) const {
    return name == other.name && date == other.date && pilots == other.pilots &&
           rounds == other.rounds && cycles == other.cycles;
}

std::optional<DrawDocument> drawDocumentOf(const Schedule& schedule) {
    if (!schedule.draw || schedule.rounds.empty()) {
        return std::nullopt;
    }
    const Draw& draw = *schedule.draw;
    DrawDocument document{0, schedule.name, schedule.date, {}, {}, {}};
    for (const DrawPilot& pilot : draw.pilots) {
        document.pilots.push_back(pilot.name);
    }
    for (int round = 0; round < std::ssize(draw.rounds); ++round) {
        auto& groups = document.rounds.emplace_back();
        for (int group = 0; group < std::ssize(draw.rounds[static_cast<std::size_t>(round)]);
             ++group) {
            groups.push_back(pilotsOf(draw, round, group));
        }
    }
    const int landing = TimeText::toSeconds(kLandingWindowTime).value_or(0);
    std::optional<SchedulePosition> at = SchedulePosition{};
    while (at) {
        const auto next = nextPosition(schedule, *at);
        const CyclePlan plan = planOf(schedule, *at);
        document.cycles.push_back(
            {at->round + 1, at->group + 1, at->flight + 1,
             plan.preparation + plan.working + landing + (next ? planOf(schedule, *next).gap : 0)});
        at = next;
    }
    return document;
}

int cycleIndexOf(const Schedule& schedule, SchedulePosition position) {
    int index = 0;
    for (std::optional<SchedulePosition> at = SchedulePosition{}; at && *at < position;
         at = nextPosition(schedule, *at)) {
        ++index;
    }
    return index;
}

} // namespace aerolap

#include "ShownSecond.h"

#include "DayLog.h"

namespace aerolap {

void addShownSecond(JsonMembers& members, const Cycle& cycle) {
    members.text("phase", phaseName(cycle.phase()));
    if (const auto began = cycle.secondBegan()) {
        members.text("second", cycle.runningTime())
            .number("second_began_ns", DayLog::nanosecondsOf(*began));
    }
}

} // namespace aerolap

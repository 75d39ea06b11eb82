#include "ScheduleFrameFeed.h"

#include "schedule/ScheduleFrame.h"

namespace aerolap {

void feedScheduleFrames(const ScheduleRunner& runner, Cycle& cycle, SerialDisplayLink& link) {
    link.setFrameFormat([&runner, &cycle](std::string_view minutesSeconds) {
        return scheduleFrame(runner, cycle, minutesSeconds);
    });
    cycle.stopped.connect([&runner, &link] {
        if (runner.loaded() && runner.schedule().extendedFrame) {
            link.sendRunningTime();
        }
    });
}

} // namespace aerolap

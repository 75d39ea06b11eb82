#include "ScheduleFrameFeed.h"

#include "schedule/ScheduleFrame.h"

namespace aerolap {

ScheduleFrameFeed::ScheduleFrameFeed(const ScheduleRunner& runner, Cycle& cycle,
                                     SerialDisplayLink& link)
    : m_runner(runner) {
    link.setFrameFormat([&runner, &cycle](std::string_view minutesSeconds) {
        return scheduleFrame(runner, cycle, minutesSeconds);
    });
    cycle.stopped.connect([this, &link] {
        if (extendedFrame()) {
            link.sendRunningTime();
        }
    });
}

bool ScheduleFrameFeed::extendedFrame() const {
    return m_runner.loaded() && m_runner.schedule().extendedFrame;
}

} // namespace aerolap

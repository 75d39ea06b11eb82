#include "ScheduleFrameFeed.h"

#include "schedule/ScheduleFrame.h"

namespace aerolap {

ScheduleFrameFeed::ScheduleFrameFeed(const ScheduleRunner& runner, Form1& form,
                                     SerialDisplayLink& link)
    : m_runner(runner) {
    link.setFrameFormat([&runner, &form](std::string_view minutesSeconds) {
        return scheduleFrame(runner, form, minutesSeconds);
    });
    form.Command7.clicked.connect([this, &link] {
        if (extendedFrame()) {
            link.sendRunningTime();
        }
    });
}

bool ScheduleFrameFeed::extendedFrame() const {
    return m_runner.loaded() && m_runner.schedule().extendedFrame;
}

} // namespace aerolap

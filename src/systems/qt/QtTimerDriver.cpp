#include "QtTimerDriver.h"

#include "elements/TickSchedule.h"

#include <QTimer>
#include <algorithm>
#include <memory>

namespace aerolap {

namespace {
constexpr auto kCoarseEnough = std::chrono::milliseconds(1000);
}

void QtTimerDriver::attach(Timer& timer) {
    auto* qtimer = new QTimer(this);
    qtimer->setSingleShot(true);
    qtimer->setTimerType(timer.interval() < kCoarseEnough ? Qt::PreciseTimer : Qt::CoarseTimer);
    auto schedule = std::make_shared<TickSchedule>(timer);
    connect(qtimer, &QTimer::timeout, this, [this, &timer, qtimer, schedule] {
        const MonotonicSource::TimePoint ranAt = m_time.now();
        if (m_beforeTick && timer.enabled()) {
            m_beforeTick(timer);
        }
        timer.fire();
        // A handler that restarted its own timer has armed it already.
        if (timer.enabled() && !qtimer->isActive()) {
            schedule->ran(ranAt);
            armForNextTick(*qtimer, *schedule);
        }
    });
    timer.runningChanged.connect([this, qtimer, schedule, &timer](bool running) {
        if (running) {
            schedule->restart(m_time.now());
            qtimer->start(timer.interval());
        } else {
            qtimer->stop();
        }
    });
    timer.woken.connect([this, qtimer, schedule] {
        const auto before = schedule->due();
        schedule->wake(m_time.now());
        if (schedule->due() != before) {
            armForNextTick(*qtimer, *schedule);
        }
    });
}

void QtTimerDriver::armForNextTick(QTimer& qtimer, const TickSchedule& schedule) {
    if (!schedule.due()) {
        qtimer.stop();
        return;
    }
    // Rounded up: a tick may come a fraction of a millisecond after its moment, never before.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*schedule.due() - m_time.now());
    qtimer.start(std::max(wait, std::chrono::milliseconds(0)));
}

} // namespace aerolap

#include "QtTimerDriver.h"

#include <QTimer>
#include <algorithm>

namespace aerolap {

namespace {
constexpr auto kCoarseEnough = std::chrono::milliseconds(1000);
}

void QtTimerDriver::attach(Timer& timer) {
    auto* qtimer = new QTimer(this);
    qtimer->setSingleShot(true);
    qtimer->setTimerType(timer.interval() < kCoarseEnough ? Qt::PreciseTimer : Qt::CoarseTimer);
    connect(qtimer, &QTimer::timeout, this, [this, &timer, qtimer] {
        const MonotonicSource::TimePoint ranAt = m_time.now();
        if (m_beforeTick && timer.enabled()) {
            m_beforeTick(timer);
        }
        timer.fire();
        // A handler that restarted its own timer has armed it already.
        if (timer.enabled() && !qtimer->isActive()) {
            armForNextTick(*qtimer, timer, ranAt);
        }
    });
    timer.runningChanged.connect([qtimer, &timer](bool running) {
        if (running) {
            qtimer->start(timer.interval());
        } else {
            qtimer->stop();
        }
    });
}

void QtTimerDriver::armForNextTick(QTimer& qtimer, const Timer& timer,
                                   MonotonicSource::TimePoint ranAt) {
    // Rounded up: a tick may come a fraction of a millisecond after its moment, never before.
    const auto wait =
        std::chrono::ceil<std::chrono::milliseconds>(timer.nextTickAfter(ranAt) - m_time.now());
    qtimer.start(std::max(wait, std::chrono::milliseconds(0)));
}

} // namespace aerolap

#include "QtTimerDriver.h"

#include <QTimer>

namespace aerolap {

namespace {
constexpr auto kCoarseEnough = std::chrono::milliseconds(1000);
}

void QtTimerDriver::attach(Timer& timer) {
    auto* qtimer = new QTimer(this);
    qtimer->setInterval(timer.interval());
    qtimer->setTimerType(timer.interval() < kCoarseEnough ? Qt::PreciseTimer : Qt::CoarseTimer);
    connect(qtimer, &QTimer::timeout, this, [&timer] { timer.fire(); });
    timer.runningChanged.connect([qtimer](bool running) {
        if (running) {
            qtimer->start();
        } else {
            qtimer->stop();
        }
    });
}

} // namespace aerolap

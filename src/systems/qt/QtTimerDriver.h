#pragma once

#include "elements/Timer.h"
#include "platform/MonotonicSource.h"

#include <QObject>
#include <functional>

class QTimer;

namespace aerolap {

class TickSchedule;

/// Drives window timers with QTimers on the user-interface thread. Short intervals use precise
/// timers, since the polls must see every second of the running clock within one interval. Each
/// tick is armed afresh for the moment its `TickSchedule` names, so a timer kept in step with the
/// clock stays on its grid however late a tick ran, and a resting poll does not wake the program.
class QtTimerDriver final : public QObject {
public:
    /// Told of each tick right before it runs, with the timer it is for.
    using BeforeTick = std::function<void(const Timer&)>;

    explicit QtTimerDriver(const MonotonicSource& time, BeforeTick beforeTick = {},
                           QObject* parent = nullptr)
        : QObject(parent), m_time(time), m_beforeTick(std::move(beforeTick)) {}

    void attach(Timer& timer);

private:
    void armForNextTick(QTimer& qtimer, const TickSchedule& schedule);

    const MonotonicSource& m_time;
    BeforeTick m_beforeTick;
};

} // namespace aerolap

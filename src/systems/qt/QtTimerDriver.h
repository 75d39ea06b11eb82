#pragma once

#include "elements/Timer.h"
#include "platform/MonotonicSource.h"

#include <QObject>

class QTimer;

namespace aerolap {

class TickSchedule;

/// Drives window timers with QTimers on the user-interface thread. Short intervals use precise
/// timers, since the polls must see every second of the running clock within one interval. Each
/// tick is armed afresh for the moment its `TickSchedule` names, so a timer kept in step with the
/// clock stays on its grid however late a tick ran, and a resting poll does not wake the program.
class QtTimerDriver final : public QObject {
public:
    explicit QtTimerDriver(const MonotonicSource& time, QObject* parent = nullptr)
        : QObject(parent), m_time(time) {}

    void attach(Timer& timer);

private:
    void armForNextTick(QTimer& qtimer, const TickSchedule& schedule);

    const MonotonicSource& m_time;
};

} // namespace aerolap

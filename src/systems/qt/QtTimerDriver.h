#pragma once

#include "elements/Timer.h"

#include <QObject>

namespace aerolap {

/// Drives window timers with QTimers on the user-interface thread. Short intervals use precise
/// timers, since the polls must see every second of the running clock within one interval.
class QtTimerDriver final : public QObject {
public:
    explicit QtTimerDriver(QObject* parent = nullptr) : QObject(parent) {}

    void attach(Timer& timer);
};

} // namespace aerolap

#include "TickSchedule.h"

#include <algorithm>

namespace aerolap {

void TickSchedule::restart(TimePoint now) {
    m_gridNext = now + m_timer->interval();
    m_due = m_gridNext;
}

void TickSchedule::ran(TimePoint ranAt) {
    m_gridNext = m_timer->nextTickAfter(ranAt);
    m_due = m_gridNext;
    if (m_ticks == Ticks::EveryInterval || !m_timer->mayRest()) {
        return;
    }
    const std::optional<TimePoint> change = m_timer->nextChangeAfter(ranAt);
    m_due = change ? std::optional(gridMomentFrom(*change)) : std::nullopt;
}

void TickSchedule::wake(TimePoint now) {
    // Strictly after: a grid moment equal to `now` has had its tick, or still has it due.
    const TimePoint next = gridMomentFrom(now + TimePoint::duration(1));
    m_due = m_due ? std::min(*m_due, next) : next;
}

TickSchedule::TimePoint TickSchedule::gridMomentFrom(TimePoint moment) const {
    if (moment <= m_gridNext) {
        return m_gridNext;
    }
    const TimePoint::duration interval = m_timer->interval();
    const auto steps = (moment - m_gridNext + interval - TimePoint::duration(1)) / interval;
    return m_gridNext + steps * interval;
}

} // namespace aerolap

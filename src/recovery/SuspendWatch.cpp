#include "SuspendWatch.h"

#include <cstdio>

namespace aerolap {

namespace {
// Less is the noise of two clocks read one after the other, not a sleep.
constexpr auto kShortestSleep = std::chrono::milliseconds(100);
} // namespace

SuspendWatch::SuspendWatch(TimerCatchUp& catchUp, const MonotonicSource& realTime,
                           const SuspendedTime& suspended, NoticeBoard& notices)
    : m_catchUp(catchUp), m_time(realTime), m_suspended(suspended), m_notices(notices),
      m_sleptBefore(suspended.sleptSoFar()) {}

void SuspendWatch::beforeTick(const Timer& timer) {
    const auto sleptSoFar = m_suspended.sleptSoFar();
    const auto sleptFor = sleptSoFar - m_sleptBefore;
    m_sleptBefore = sleptSoFar;
    const auto late = m_catchUp.lateness(timer);
    const bool caughtUp = late > kCatchUpAfter;
    if (caughtUp) {
        m_catchUp.catchUpTo(m_time.now());
    }
    if (sleptFor >= kShortestSleep) {
        m_notices.post(
            {caughtUp ? QT_TRANSLATE_NOOP("Message", "The laptop slept for %1: the timer carried "
                                                     "on at the second the clock says, without "
                                                     "the cues of that time.")
                      : QT_TRANSLATE_NOOP("Message", "The laptop slept for %1."),
             {spokenDuration(sleptFor)}},
            Notice::Urgency::ActNow);
        slept.emit(sleptFor);
    } else if (caughtUp) {
        m_notices.post({QT_TRANSLATE_NOOP("Message", "The timer was held up for %1: the timer "
                                                     "carried on at the second the clock says, "
                                                     "without the cues of that time."),
                        {spokenDuration(late)}});
    }
    m_catchUp.ticking(timer);
}

std::string spokenDuration(std::chrono::nanoseconds span) {
    using namespace std::chrono;
    if (span < seconds(10)) {
        char text[16];
        std::snprintf(text, sizeof text, "%.1f s", duration_cast<duration<double>>(span).count());
        return text;
    }
    const auto total = duration_cast<seconds>(span).count();
    const auto hours = total / 3600;
    const auto minutes = total / 60 % 60;
    const auto secondsLeft = total % 60;
    std::string text;
    if (hours > 0) {
        text += std::to_string(hours) + " h ";
    }
    if (hours > 0 || minutes > 0) {
        text += std::to_string(minutes) + " min ";
    }
    return text + std::to_string(secondsLeft) + " s";
}

} // namespace aerolap

#include "Clock.h"

#include "TimeText.h"

#include <chrono>

namespace aerolap {

namespace {
constexpr auto kChainWindow = std::chrono::seconds(1);
}

int Clock::secondsLeft() const {
    if (!m_started) {
        return m_seconds;
    }
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::seconds>(m_time.now() - m_startedAt).count();
    return elapsed >= m_seconds ? 0 : m_seconds - static_cast<int>(elapsed);
}

bool Clock::counting() const {
    return m_started && secondsLeft() > 0;
}

std::string Clock::clockTimeText() const {
    return TimeText::fromSeconds(secondsLeft());
}

std::optional<MonotonicSource::TimePoint>
Clock::nextTextChangeAfter(MonotonicSource::TimePoint moment) const {
    if (!m_started || moment >= m_startedAt + std::chrono::seconds(m_seconds)) {
        return std::nullopt;
    }
    // Before its start a count shows its first second, as `secondsLeft` rounds towards zero.
    const auto shownFor = moment < m_startedAt
                              ? std::chrono::seconds(0)
                              : std::chrono::floor<std::chrono::seconds>(moment - m_startedAt);
    return m_startedAt + shownFor + std::chrono::seconds(1);
}

void Clock::setClockTimeText(const std::string& text) {
    const auto seconds = TimeText::toSeconds(text);
    if (!seconds || counting()) {
        return;
    }
    settle();
    m_seconds = *seconds;
    textWritten.emit();
}

void Clock::setClockPresetText(const std::string& text) {
    if (const auto seconds = TimeText::toSeconds(text)) {
        m_presetSeconds = *seconds;
    }
}

void Clock::settle() {
    if (!m_started) {
        return;
    }
    const int left = secondsLeft();
    if (left == 0) {
        m_lastRanOutAt = m_startedAt + std::chrono::seconds(m_seconds);
    } else {
        m_lastRanOutAt.reset();
    }
    m_seconds = left;
    m_started = false;
}

void Clock::clockStart() {
    settle();
    const auto now = m_time.now();
    const bool continuesLastCount = m_lastRanOutAt && now - *m_lastRanOutAt < kChainWindow;
    m_startedAt = continuesLastCount ? *m_lastRanOutAt : now;
    m_seconds = m_presetSeconds;
    m_started = true;
    countStartedOrStopped.emit();
}

void Clock::clockStop() {
    settle();
    countStartedOrStopped.emit();
}

void Clock::commitEdit(const std::string& text) {
    const auto before = clockTimeText();
    setClockTimeText(text);
    if (clockTimeText() != before) {
        clockChanged.emit();
    }
}

} // namespace aerolap

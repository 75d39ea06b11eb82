#include "Clock.h"

#include "TimeText.h"

#include <chrono>

namespace aerolap {

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

void Clock::setClockTimeText(const std::string& text) {
    const auto seconds = TimeText::toSeconds(text);
    if (!seconds || counting()) {
        return;
    }
    // A write after the count ran out ends that count: the clock holds the new value until the
    // next start.
    m_started = false;
    m_seconds = *seconds;
    textWritten.emit();
}

void Clock::setClockPresetText(const std::string& text) {
    if (const auto seconds = TimeText::toSeconds(text)) {
        m_presetSeconds = *seconds;
    }
}

void Clock::clockStart() {
    m_seconds = m_presetSeconds;
    m_startedAt = m_time.now();
    m_started = true;
}

void Clock::clockStop() {
    m_seconds = secondsLeft();
    m_started = false;
}

void Clock::commitEdit(const std::string& text) {
    const auto before = clockTimeText();
    setClockTimeText(text);
    if (clockTimeText() != before) {
        clockChanged.emit();
    }
}

} // namespace aerolap

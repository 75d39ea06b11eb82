#include "LoggedCuePlayer.h"

namespace aerolap {

template <typename Play>
void LoggedCuePlayer::played(const std::string& path, bool optional, Play play) {
    const auto called = m_log.time().now();
    play();
    const auto taken = m_log.time().now();
    m_log.record(
        CuePlayed{path, optional, m_cycle ? shownBy(*m_cycle) : ShownSecond{}, called, taken});
}

void LoggedCuePlayer::playCue(const std::string& path) {
    played(path, false, [&] { m_real.playCue(path); });
}

void LoggedCuePlayer::playOptionalCue(const std::string& path) {
    played(path, true, [&] { m_real.playOptionalCue(path); });
}

} // namespace aerolap

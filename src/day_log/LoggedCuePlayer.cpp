#include "LoggedCuePlayer.h"

#include "ShownSecond.h"

namespace aerolap {

template <typename Play>
void LoggedCuePlayer::played(const std::string& path, bool optional, Play play) {
    const auto called = m_log.time().now();
    play();
    const auto taken = m_log.time().now();
    JsonMembers members;
    members.text("file", path).flag("optional", optional);
    if (m_cycle != nullptr) {
        addShownSecond(members, *m_cycle);
    }
    members.number("played_ns", DayLog::nanosecondsOf(called))
        .number("taken_ns", DayLog::nanosecondsOf(taken));
    m_log.record(day_log_kind::kCue, std::move(members));
}

void LoggedCuePlayer::playCue(const std::string& path) {
    played(path, false, [&] { m_real.playCue(path); });
}

void LoggedCuePlayer::playOptionalCue(const std::string& path) {
    played(path, true, [&] { m_real.playOptionalCue(path); });
}

} // namespace aerolap

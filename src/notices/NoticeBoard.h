#pragma once

#include "Notice.h"
#include "platform/WallClock.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace aerolap {

/// Where every part of the program posts what the director must be told. Each notice becomes one
/// line on the error stream ("aerolap: ...", in English), for a terminal or a log of the session,
/// and an entry kept for the Notices window, which puts it into the director's language. Any thread
/// may post: the sound thread, a writer thread, the timing thread. Showing the entries is left to
/// whoever listens.
class NoticeBoard {
public:
    /// Told of each notice on the thread that posted it, in the order they were posted.
    using Listener = std::function<void(const Notice&)>;

    /// The oldest entries go once there are this many; the lines on the error stream stay.
    static constexpr std::size_t kKeptEntries = 500;

    NoticeBoard(const WallClock& clock, std::ostream& errors) : m_clock(clock), m_errors(errors) {}

    void post(Message message, Notice::Urgency urgency = Notice::Urgency::Info);

    std::vector<Notice> entries() const;
    /// Tells `listener` of every entry kept so far, then of each new notice: nothing posted
    /// meanwhile from another thread falls between the two. Returns the number that
    /// `stopListening` takes.
    std::size_t listen(Listener listener);
    /// For a listener that goes before the board: it hears nothing more once this returns.
    void stopListening(std::size_t listener);

private:
    const WallClock& m_clock;
    std::ostream& m_errors;
    mutable std::mutex m_mutex;
    std::deque<Notice> m_entries;
    std::vector<std::pair<std::size_t, Listener>> m_listeners;
    std::size_t m_lastListener = 0;
};

} // namespace aerolap

#pragma once

#include "platform/MonotonicSource.h"

#include <chrono>
#include <string>
#include <string_view>

namespace aerolap {

/// The six-digit code that pairs a phone, open only while the director shows it. Each wrong code
/// makes the next try wait longer (1, 2, 4, 8 s), and the fifth locks pairing for a minute: a
/// million codes cannot be tried at that pace. A code pairs one device; the next gets a new one.
/// Not thread-safe: its owner keeps it behind a lock.
class PairingGate {
public:
    static constexpr int kWrongCodesBeforeLock = 5;
    static constexpr std::chrono::seconds kLock{60};

    explicit PairingGate(const MonotonicSource& time) : m_time(time) {}

    /// Opens with a fresh code; wrong codes so far still count.
    void open();
    void close() { m_open = false; }
    bool isOpen() const { return m_open; }
    const std::string& code() const { return m_code; }

    enum class Verdict { Accepted, Wrong, Wait, Locked, Closed };
    struct Outcome {
        Verdict verdict;
        /// How long until the next try is heard (Wrong, Wait, Locked).
        std::chrono::seconds retryAfter{0};
    };
    /// A try that comes too early is not weighed at all, so it cannot shorten the wait.
    Outcome attempt(std::string_view code);

private:
    std::chrono::seconds untilNextTry() const;

    const MonotonicSource& m_time;
    bool m_open = false;
    std::string m_code;
    int m_wrongCodes = 0;
    bool m_locked = false;
    MonotonicSource::TimePoint m_nextTryAt{};
};

} // namespace aerolap

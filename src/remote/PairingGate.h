#pragma once

#include "platform/MonotonicSource.h"

#include <chrono>
#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace aerolap {

/// The six-digit code that pairs a phone, open only while the director shows it. Each wrong code
/// from an address makes that address's next try wait longer (1, 2, 4 ... 60 s), so that a
/// hostile phone's wrong codes hold back that phone alone; and whatever the addresses, a code that
/// met five wrong tries is replaced by a fresh one, which the laptop shows at once: each code is
/// guessed at most five times in a million. A code pairs one device; the next gets a new one.
/// Not thread-safe: its owner keeps it behind a lock.
class PairingGate {
public:
    static constexpr int kWrongCodesPerCode = 5;
    static constexpr std::chrono::seconds kLongestWait{60};
    /// Addresses whose waits are remembered; beyond them the oldest is forgotten, and the code's
    /// own count of wrong tries still holds.
    static constexpr std::size_t kAddressesKept = 256;

    explicit PairingGate(const MonotonicSource& time) : m_time(time) {}

    /// Opens with a fresh code.
    void open();
    void close() { m_open = false; }
    bool isOpen() const { return m_open; }
    const std::string& code() const { return m_code; }

    enum class Verdict { Accepted, Wrong, Wait, Closed };
    struct Outcome {
        Verdict verdict;
        /// How long until the address's next try is heard (Wrong, Wait).
        std::chrono::seconds retryAfter{0};
        /// The wrong code used up the code: a fresh one is shown.
        bool codeReplaced = false;
    };
    /// A try from `address` that comes too early is not weighed at all, so it cannot shorten the
    /// wait.
    Outcome attempt(std::string_view code, const std::string& address);

private:
    struct Address {
        int wrongCodes = 0;
        MonotonicSource::TimePoint nextTryAt{};
    };
    Address& addressOf(const std::string& address);
    std::chrono::seconds untilNextTry(const Address& address) const;

    const MonotonicSource& m_time;
    bool m_open = false;
    std::string m_code;
    int m_wrongCodesForCode = 0;
    std::map<std::string, Address> m_addresses;
};

} // namespace aerolap

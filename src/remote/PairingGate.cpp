#include "PairingGate.h"

#include <QRandomGenerator>
#include <QString>
#include <algorithm>

namespace aerolap {

namespace {
std::chrono::seconds waitAfterWrongCodes(int count) {
    return std::min(std::chrono::seconds(1LL << std::min(count - 1, 6)), PairingGate::kLongestWait);
}
} // namespace

void PairingGate::open() {
    m_code = QStringLiteral("%1")
                 .arg(QRandomGenerator::system()->bounded(1'000'000), 6, 10, QLatin1Char('0'))
                 .toStdString();
    m_wrongCodesForCode = 0;
    m_open = true;
}

std::chrono::seconds PairingGate::untilNextTry(const Address& address) const {
    const auto left = address.nextTryAt - m_time.now();
    return std::chrono::ceil<std::chrono::seconds>(std::max(left, decltype(left){}));
}

PairingGate::Address& PairingGate::addressOf(const std::string& address) {
    if (!m_addresses.contains(address) && m_addresses.size() >= kAddressesKept) {
        const auto now = m_time.now();
        std::erase_if(m_addresses, [now](const auto& each) {
            return each.second.nextTryAt + kLongestWait <= now;
        });
        if (m_addresses.size() >= kAddressesKept) {
            m_addresses.erase(std::ranges::min_element(
                m_addresses, {}, [](const auto& each) { return each.second.nextTryAt; }));
        }
    }
    return m_addresses[address];
}

PairingGate::Outcome PairingGate::attempt(std::string_view code, const std::string& from) {
    if (!m_open) {
        return {Verdict::Closed};
    }
    Address& address = addressOf(from);
    if (m_time.now() < address.nextTryAt) {
        return {Verdict::Wait, untilNextTry(address)};
    }
    if (code == m_code) {
        m_addresses.erase(from);
        open();
        return {Verdict::Accepted};
    }
    ++address.wrongCodes;
    address.nextTryAt = m_time.now() + waitAfterWrongCodes(address.wrongCodes);
    const std::chrono::seconds wait = untilNextTry(address);
    const bool usedUp = ++m_wrongCodesForCode >= kWrongCodesPerCode;
    if (usedUp) {
        open();
    }
    return {Verdict::Wrong, wait, usedUp};
}

} // namespace aerolap

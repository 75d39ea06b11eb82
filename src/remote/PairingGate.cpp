#include "PairingGate.h"

#include <QRandomGenerator>
#include <QString>

namespace aerolap {

namespace {
std::chrono::seconds waitAfterWrongCodes(int count) {
    return std::chrono::seconds(1 << (count - 1));
}
} // namespace

void PairingGate::open() {
    m_code = QStringLiteral("%1")
                 .arg(QRandomGenerator::system()->bounded(1'000'000), 6, 10, QLatin1Char('0'))
                 .toStdString();
    m_open = true;
}

std::chrono::seconds PairingGate::untilNextTry() const {
    const auto left = m_nextTryAt - m_time.now();
    return std::chrono::ceil<std::chrono::seconds>(std::max(left, decltype(left){}));
}

PairingGate::Outcome PairingGate::attempt(std::string_view code) {
    if (!m_open) {
        return {Verdict::Closed};
    }
    if (m_time.now() < m_nextTryAt) {
        return {m_locked ? Verdict::Locked : Verdict::Wait, untilNextTry()};
    }
    m_locked = false;
    if (code == m_code) {
        m_wrongCodes = 0;
        open();
        return {Verdict::Accepted};
    }
    ++m_wrongCodes;
    if (m_wrongCodes >= kWrongCodesBeforeLock) {
        m_wrongCodes = 0;
        m_locked = true;
        m_nextTryAt = m_time.now() + kLock;
        return {Verdict::Locked, kLock};
    }
    m_nextTryAt = m_time.now() + waitAfterWrongCodes(m_wrongCodes);
    return {Verdict::Wrong, untilNextTry()};
}

} // namespace aerolap

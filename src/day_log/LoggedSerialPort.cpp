#include "LoggedSerialPort.h"

namespace aerolap {

void LoggedSerialPort::setCommPort(std::int16_t port) {
    m_real.setCommPort(port);
    m_log.record(PortChanged{port, std::nullopt, std::nullopt, std::nullopt});
}

void LoggedSerialPort::setSettings(const std::string& settings) {
    m_real.setSettings(settings);
    m_log.record(PortChanged{std::nullopt, settings, std::nullopt, std::nullopt});
}

bool LoggedSerialPort::setPortOpen(bool open) {
    const bool done = m_real.setPortOpen(open);
    m_log.record(PortChanged{std::nullopt, std::nullopt, open, done});
    return done;
}

bool LoggedSerialPort::output(const std::string& bytes) {
    const auto written = m_log.time().now();
    const bool taken = m_real.output(bytes);
    m_log.record(FrameSent{bytes, taken, m_cycle ? shownBy(*m_cycle) : ShownSecond{}, written});
    return taken;
}

} // namespace aerolap

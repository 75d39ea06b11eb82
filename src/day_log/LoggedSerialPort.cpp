#include "LoggedSerialPort.h"

#include "ShownSecond.h"

namespace aerolap {

void LoggedSerialPort::setCommPort(std::int16_t port) {
    m_real.setCommPort(port);
    JsonMembers members;
    members.number("port", port);
    m_log.record(day_log_kind::kPort, std::move(members));
}

void LoggedSerialPort::setSettings(const std::string& settings) {
    m_real.setSettings(settings);
    JsonMembers members;
    members.text("settings", settings);
    m_log.record(day_log_kind::kPort, std::move(members));
}

bool LoggedSerialPort::setPortOpen(bool open) {
    const bool done = m_real.setPortOpen(open);
    JsonMembers members;
    members.flag("open", open).flag("done", done);
    m_log.record(day_log_kind::kPort, std::move(members));
    return done;
}

bool LoggedSerialPort::output(const std::string& bytes) {
    const auto written = m_log.time().now();
    const bool taken = m_real.output(bytes);
    JsonMembers members;
    members.text("bytes", bytes).flag("taken", taken);
    if (m_cycle != nullptr) {
        addShownSecond(members, *m_cycle);
    }
    members.number("written_ns", DayLog::nanosecondsOf(written));
    m_log.record(day_log_kind::kFrame, std::move(members));
    return taken;
}

} // namespace aerolap

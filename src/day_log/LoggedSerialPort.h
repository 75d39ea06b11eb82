#pragma once

#include "DayLog.h"
#include "engine/Cycle.h"
#include "platform/SerialPortControl.h"

namespace aerolap {

/// Stands in front of the real serial port and records each frame that reaches it (its bytes, the
/// second it shows, when it was written and whether the port took it) and each change of port.
/// Frames a catch-up holds back never get here; the one it sends at its end does.
class LoggedSerialPort final : public SerialPortControl {
public:
    LoggedSerialPort(SerialPortControl& real, DayLog& log) : m_real(real), m_log(log) {}

    /// The cycle whose clock the frames show, once it is made.
    void follow(const Cycle& cycle) { m_cycle = &cycle; }

    void setCommPort(std::int16_t port) override;
    void setSettings(const std::string& settings) override;
    bool setPortOpen(bool open) override;
    bool portOpen() const override { return m_real.portOpen(); }
    bool output(const std::string& bytes) override;

private:
    SerialPortControl& m_real;
    DayLog& m_log;
    const Cycle* m_cycle = nullptr;
};

} // namespace aerolap

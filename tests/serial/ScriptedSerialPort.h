#pragma once

#include "platform/SerialPortControl.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace aerolap::testing {

/// A serial port whose available port numbers the test decides. It writes down every setting
/// and opening as one line ("CommPort 3", "Settings 9600,n,8,1", "PortOpen 1 ok") so that tests
/// can check their order, and keeps the bytes sent.
class ScriptedSerialPort final : public SerialPortControl {
public:
    explicit ScriptedSerialPort(std::set<std::int16_t> available) : m_available(available) {}

    void makeAvailable(std::set<std::int16_t> available) { m_available = std::move(available); }

    void setCommPort(std::int16_t port) override {
        m_commPort = port;
        m_log.push_back("CommPort " + std::to_string(port));
    }
    void setSettings(const std::string& settings) override {
        m_log.push_back("Settings " + settings);
    }
    bool setPortOpen(bool open) override {
        m_open = open && m_available.contains(m_commPort);
        m_log.push_back(std::string("PortOpen ") + (open ? "1" : "0") +
                        (m_open == open ? " ok" : " failed"));
        return m_open == open;
    }
    bool portOpen() const override { return m_open; }
    void output(const std::string& bytes) override { m_sent += bytes; }

    std::int16_t commPort() const { return m_commPort; }
    const std::string& sent() const { return m_sent; }
    const std::vector<std::string>& log() const { return m_log; }
    void clearLog() {
        m_log.clear();
        m_sent.clear();
    }

private:
    std::set<std::int16_t> m_available;
    std::int16_t m_commPort = 0;
    bool m_open = false;
    std::string m_sent;
    std::vector<std::string> m_log;
};

} // namespace aerolap::testing

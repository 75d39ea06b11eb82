#pragma once

#include <cstdint>
#include <string>

namespace aerolap {

/// The serial port control with the four properties the display link uses.
class SerialPortControl {
public:
    virtual ~SerialPortControl() = default;

    /// Selects the port number; only while the port is closed.
    virtual void setCommPort(std::int16_t port) = 0;
    /// Line parameters as "9600,n,8,1".
    virtual void setSettings(const std::string& settings) = 0;
    /// Opens (true) or closes (false) the selected port. Returns false when the port could not
    /// be opened: absent, busy or invalid.
    virtual bool setPortOpen(bool open) = 0;
    virtual bool portOpen() const = 0;
    /// Hands the bytes to the open port and returns without waiting for them to leave. Says
    /// whether the port took them: false when it is closed, or refused or lost the write.
    virtual bool output(const std::string& bytes) = 0;
};

/// How a system's serial ports are opened for the display, which only ever receives. Windows's
/// serial driver, as Wine carries it out, refuses the line settings on a port opened for
/// writing alone (access denied), and the program this one replaces opened its ports for both.
enum class SerialAccess { WriteOnly, ReadWrite };

/// Stands in where there is no serial port at all: it never opens and drops all output.
class NullSerialPort final : public SerialPortControl {
public:
    void setCommPort(std::int16_t) override {}
    void setSettings(const std::string&) override {}
    bool setPortOpen(bool open) override { return !open; }
    bool portOpen() const override { return false; }
    bool output(const std::string&) override { return false; }
};

} // namespace aerolap

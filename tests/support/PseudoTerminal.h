#pragma once

#include <chrono>
#include <string>

namespace aerolap::testing {

/// A pseudo-terminal standing in for the display: the program opens the device end by its name,
/// the test reads the far end. Closing the far end fails the device the way a pulled-out USB
/// adapter does.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& deviceName() const { return m_deviceName; }
    /// The test's own descriptor of the device end, for reading its line settings.
    int deviceDescriptor() const { return m_device; }
    /// Reads until `count` bytes have arrived or `timeout` has passed, running Qt's events
    /// meanwhile so that a port writing from the event loop gets on.
    std::string read(std::size_t count, std::chrono::milliseconds timeout);
    void closeFarEnd();

private:
    int m_farEnd = -1;
    int m_device = -1;
    std::string m_deviceName;
};

} // namespace aerolap::testing

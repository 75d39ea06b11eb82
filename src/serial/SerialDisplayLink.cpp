#include "SerialDisplayLink.h"

namespace aerolap {

namespace {
constexpr const char* kLineSettings = "9600,n,8,1";
}

SerialDisplayLink::SerialDisplayLink(Form1& form, SerialPortControl& port)
    : m_form(form), m_port(port) {}

void SerialDisplayLink::openAtStartUp() {
    m_port.setCommPort(1);
    m_port.setSettings(kLineSettings);
    // Most laptops have no serial port: the timer runs without the display until the operator
    // picks a port that works.
    m_port.setPortOpen(true);
}

} // namespace aerolap

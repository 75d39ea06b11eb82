#pragma once

#include "engine/Form1.h"
#include "platform/SerialPortControl.h"

namespace aerolap {

/// Feeds the external LED display: owns the serial port and sends the running minutes and
/// seconds whenever the time display changes.
class SerialDisplayLink {
public:
    SerialDisplayLink(Form1& form, SerialPortControl& port);
    SerialDisplayLink(const SerialDisplayLink&) = delete;
    SerialDisplayLink& operator=(const SerialDisplayLink&) = delete;

    /// The first steps of the window's load sequence: port 1, 9600 baud, opened.
    void openAtStartUp();

private:
    Form1& m_form;
    SerialPortControl& m_port;
};

} // namespace aerolap

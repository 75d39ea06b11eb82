#pragma once

#include "engine/Form1.h"
#include "platform/MessageBoxService.h"
#include "platform/SerialPortControl.h"

#include <cstdint>
#include <optional>

namespace aerolap {

/// Feeds the external LED display: owns the serial port and sends the running minutes and
/// seconds whenever the time display changes. It never reads from the line, and the rest of the
/// timer never waits for it: without a working port, frames are simply dropped.
class SerialDisplayLink {
public:
    SerialDisplayLink(Form1& form, SerialPortControl& port, MessageBoxService& messageBoxes);
    SerialDisplayLink(const SerialDisplayLink&) = delete;
    SerialDisplayLink& operator=(const SerialDisplayLink&) = delete;

    /// The first steps of the window's load sequence: port 1, 9600 baud, opened.
    void openAtStartUp();
    /// The last step before the program ends.
    void closeAtExit();

    void Label2_Change();
    void Combo1_Click();

private:
    bool reopenOn(std::int16_t port);
    void announceSelectedPort();
    std::optional<char> frameDigitAt(std::size_t position) const;

    Form1& m_form;
    SerialPortControl& m_port;
    MessageBoxService& m_messageBoxes;
};

} // namespace aerolap

#pragma once

#include "engine/Form1.h"
#include "platform/MessageBoxService.h"
#include "platform/SerialPortControl.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace aerolap {

/// Feeds the external LED display: owns the serial port and sends the running minutes and
/// seconds whenever the time display changes. It never reads from the line, and the rest of the
/// timer never waits for it: without a working port, frames are simply dropped. Message boxes
/// belong to the operator's choice of a port only; a port that stops working while the timer runs
/// is the port's own business to tell and to bring back, never a box in front of a running cycle.
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

    /// Sends the running time to the display now, in the frame in use; nothing while the port is
    /// closed. For a change the display must show although no digit moved.
    void sendRunningTime();

    /// The bytes of a frame for the four digits "mmss", or nothing for the six-byte frame.
    using FrameFormat = std::function<std::optional<std::string>(std::string_view minutesSeconds)>;
    /// Lets a field display that reads more than the time get it; the six-byte frame stays the
    /// default.
    void setFrameFormat(FrameFormat format) { m_frameFormat = std::move(format); }

private:
    bool reopenOn(std::int16_t port);
    void announceSelectedPort();
    std::optional<char> frameDigitAt(std::size_t position) const;

    Form1& m_form;
    SerialPortControl& m_port;
    MessageBoxService& m_messageBoxes;
    FrameFormat m_frameFormat;
};

} // namespace aerolap

#include "SerialDisplayLink.h"

#include <charconv>
#include <string_view>

namespace aerolap {

namespace {
constexpr std::string_view kLineSettings = "9600,n,8,1";
constexpr std::int16_t kStartUpPort = 1;
constexpr std::string_view kStartUpPortText = "1";
constexpr std::string_view kMessageTitle = "InfoPort";
constexpr std::string_view kSelectedPortText = "La porta selezionata è la COM";
constexpr std::string_view kUnavailablePortText = "La porta non è disponibile";

// Positions in "hh.mm.ss" of minute tens, minute units, second tens and second units.
constexpr std::size_t kFrameDigitPositions[] = {3, 4, 6, 7};
constexpr char kFrameStart = 'A';
constexpr char kFrameEnd = '\r';

/// The port number of a combo text: 1 to 32767 in plain decimal digits, nothing otherwise.
std::optional<std::int16_t> portNumberOf(const std::string& text) {
    std::int16_t port = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, port);
    if (error != std::errc{} || stop != end || port < 1) {
        return std::nullopt;
    }
    return port;
}
} // namespace

SerialDisplayLink::SerialDisplayLink(Form1& form, SerialPortControl& port,
                                     MessageBoxService& messageBoxes)
    : m_form(form), m_port(port), m_messageBoxes(messageBoxes) {
    form.Label2.changed.connect([this] { Label2_Change(); });
    form.Combo1.clicked.connect([this] { Combo1_Click(); });
}

void SerialDisplayLink::openAtStartUp() {
    m_port.setCommPort(kStartUpPort);
    m_port.setSettings(std::string(kLineSettings));
    // Most laptops have no serial port: the timer runs without the display until the operator
    // picks a port that works, so a failure here is deliberately silent.
    m_port.setPortOpen(true);
}

void SerialDisplayLink::closeAtExit() {
    m_port.setPortOpen(false);
}

void SerialDisplayLink::Label2_Change() {
    sendRunningTime();
}

void SerialDisplayLink::sendRunningTime() {
    if (!m_port.portOpen()) {
        return;
    }
    // The frame follows the running clock rather than the caption that changed; each digit is a
    // fresh read, as the clock may have moved on in between.
    std::string digits;
    for (const std::size_t position : kFrameDigitPositions) {
        const std::optional<char> digit = frameDigitAt(position);
        if (!digit) {
            return;
        }
        digits += *digit;
    }
    const std::optional<std::string> formatted =
        m_frameFormat ? m_frameFormat(digits) : std::nullopt;
    m_port.output(formatted ? *formatted : kFrameStart + digits + kFrameEnd);
}

void SerialDisplayLink::Combo1_Click() {
    const std::optional<std::int16_t> chosen = portNumberOf(m_form.Combo1.text());
    if (chosen && reopenOn(*chosen)) {
        announceSelectedPort();
        return;
    }

    m_messageBoxes.show({std::string(kUnavailablePortText), std::string(kMessageTitle),
                         MessageIcon::Critical, MessageButtons::Ok});
    m_form.Combo1.setText(std::string(kStartUpPortText));
    // Claiming port 1 is selected when it cannot be opened either would be a false success:
    // the link stays closed and the operator has seen the one message that is true.
    if (!reopenOn(kStartUpPort)) {
        return;
    }
    // Port 1 works: close and reopen it once more so that the operator is told where the
    // display now is, exactly as after a successful choice.
    if (reopenOn(kStartUpPort)) {
        announceSelectedPort();
    }
}

bool SerialDisplayLink::reopenOn(std::int16_t port) {
    m_port.setPortOpen(false);
    m_port.setCommPort(port);
    return m_port.setPortOpen(true);
}

void SerialDisplayLink::announceSelectedPort() {
    m_messageBoxes.show({std::string(kSelectedPortText) + m_form.Combo1.text(),
                         std::string(kMessageTitle), MessageIcon::Information, MessageButtons::Ok});
}

std::optional<char> SerialDisplayLink::frameDigitAt(std::size_t position) const {
    const std::string text = m_form.Clock1.clockTimeText();
    if (position >= text.size() || text[position] < '0' || text[position] > '9') {
        return std::nullopt;
    }
    return text[position];
}

} // namespace aerolap

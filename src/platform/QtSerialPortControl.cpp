#include "QtSerialPortControl.h"

#include <charconv>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace aerolap {

namespace {

struct LineSettings {
    qint32 baudRate = 9600;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

std::vector<std::string_view> splitAtCommas(std::string_view text) {
    std::vector<std::string_view> fields;
    for (std::size_t comma = text.find(','); comma != std::string_view::npos;
         comma = text.find(',')) {
        fields.push_back(text.substr(0, comma));
        text.remove_prefix(comma + 1);
    }
    fields.push_back(text);
    return fields;
}

std::optional<QSerialPort::Parity> parityOf(std::string_view field) {
    if (field.size() != 1) {
        return std::nullopt;
    }
    switch (field.front()) {
    case 'n':
    case 'N':
        return QSerialPort::NoParity;
    case 'e':
    case 'E':
        return QSerialPort::EvenParity;
    case 'o':
    case 'O':
        return QSerialPort::OddParity;
    case 'm':
    case 'M':
        return QSerialPort::MarkParity;
    case 's':
    case 'S':
        return QSerialPort::SpaceParity;
    default:
        return std::nullopt;
    }
}

std::optional<QSerialPort::DataBits> dataBitsOf(std::string_view field) {
    if (field == "5") {
        return QSerialPort::Data5;
    }
    if (field == "6") {
        return QSerialPort::Data6;
    }
    if (field == "7") {
        return QSerialPort::Data7;
    }
    if (field == "8") {
        return QSerialPort::Data8;
    }
    return std::nullopt;
}

std::optional<QSerialPort::StopBits> stopBitsOf(std::string_view field) {
    if (field == "1") {
        return QSerialPort::OneStop;
    }
    if (field == "1.5") {
        return QSerialPort::OneAndHalfStop;
    }
    if (field == "2") {
        return QSerialPort::TwoStop;
    }
    return std::nullopt;
}

/// "baud,parity,data bits,stop bits", as in "9600,n,8,1".
std::optional<LineSettings> lineSettingsOf(std::string_view text) {
    const std::vector<std::string_view> fields = splitAtCommas(text);
    if (fields.size() != 4) {
        return std::nullopt;
    }
    qint32 baudRate = 0;
    const char* const baudEnd = fields[0].data() + fields[0].size();
    const auto [stop, error] = std::from_chars(fields[0].data(), baudEnd, baudRate);
    const auto parity = parityOf(fields[1]);
    const auto dataBits = dataBitsOf(fields[2]);
    const auto stopBits = stopBitsOf(fields[3]);
    if (error != std::errc{} || stop != baudEnd || baudRate <= 0 || !parity || !dataBits ||
        !stopBits) {
        return std::nullopt;
    }
    return LineSettings{baudRate, *parity, *dataBits, *stopBits};
}

} // namespace

QtSerialPortControl::QtSerialPortControl(EnvironmentLookup environment)
    : m_environment(std::move(environment)) {
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                     [this](QSerialPort::SerialPortError error) { closeOnFailure(error); });
}

void QtSerialPortControl::setCommPort(std::int16_t port) {
    m_commPort = port;
}

void QtSerialPortControl::setSettings(const std::string& settings) {
    // Text that does not describe a line leaves the line as it was.
    const std::optional<LineSettings> line = lineSettingsOf(settings);
    if (!line) {
        return;
    }
    m_port.setBaudRate(line->baudRate);
    m_port.setParity(line->parity);
    m_port.setDataBits(line->dataBits);
    m_port.setStopBits(line->stopBits);
}

bool QtSerialPortControl::setPortOpen(bool open) {
    if (!open) {
        m_port.close();
        return true;
    }
    if (m_port.isOpen()) {
        return true;
    }
    const std::optional<std::string> device =
        serialDeviceName(m_commPort, hostDeviceNaming(), m_environment);
    if (!device) {
        return false;
    }
    m_port.setPortName(QString::fromStdString(*device));
    m_port.clearError();
    return m_port.open(QIODevice::WriteOnly);
}

bool QtSerialPortControl::portOpen() const {
    return m_port.isOpen();
}

void QtSerialPortControl::output(const std::string& bytes) {
    if (!m_port.isOpen()) {
        return;
    }
    m_port.write(bytes.data(), static_cast<qint64>(bytes.size()));
    // The device is non-blocking: this hands the bytes to the driver now instead of on the next
    // pass of the event loop, and leaves what does not fit to the event loop.
    m_port.flush();
}

void QtSerialPortControl::closeOnFailure(QSerialPort::SerialPortError error) {
    // Open failures are reported by `setPortOpen` itself; these mean the device stopped taking
    // data, typically because it is gone. Closing once keeps later frames from piling up errors.
    if ((error == QSerialPort::ResourceError || error == QSerialPort::WriteError) &&
        m_port.isOpen()) {
        m_port.close();
    }
}

} // namespace aerolap

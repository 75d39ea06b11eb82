#include "QtSerialPortControl.h"

#include "platform/SerialLineSettings.h"

#include <utility>

namespace aerolap {

namespace {

QSerialPort::Parity qtParityOf(SerialParity parity) {
    switch (parity) {
    case SerialParity::Even:
        return QSerialPort::EvenParity;
    case SerialParity::Odd:
        return QSerialPort::OddParity;
    case SerialParity::Mark:
        return QSerialPort::MarkParity;
    case SerialParity::Space:
        return QSerialPort::SpaceParity;
    case SerialParity::None:
        break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits qtStopBitsOf(SerialStopBits stopBits) {
    switch (stopBits) {
    case SerialStopBits::OneAndHalf:
        return QSerialPort::OneAndHalfStop;
    case SerialStopBits::Two:
        return QSerialPort::TwoStop;
    case SerialStopBits::One:
        break;
    }
    return QSerialPort::OneStop;
}

} // namespace

QtSerialPortControl::QtSerialPortControl(DeviceNaming naming, SerialAccess access,
                                         SerialDevices devices, Notice notice,
                                         StableName stableName)
    : m_naming(naming), m_access(access), m_devices(std::move(devices)),
      m_notice(std::move(notice)), m_stableName(std::move(stableName)) {
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                     [this](QSerialPort::SerialPortError error) { closeOnFailure(error); });
    // The display has nothing to say; whatever comes back on the line must not pile up.
    QObject::connect(&m_port, &QSerialPort::readyRead, &m_port, [this] { m_port.readAll(); });
}

void QtSerialPortControl::setCommPort(std::int16_t port) {
    m_commPort = port;
}

void QtSerialPortControl::setSettings(const std::string& settings) {
    // Text that does not describe a line leaves the line as it was.
    const std::optional<SerialLineSettings> line = SerialLineSettings::parse(settings);
    if (!line) {
        return;
    }
    m_port.setBaudRate(line->baudRate);
    m_port.setParity(qtParityOf(line->parity));
    m_port.setDataBits(static_cast<QSerialPort::DataBits>(line->dataBits));
    m_port.setStopBits(qtStopBitsOf(line->stopBits));
}

bool QtSerialPortControl::setPortOpen(bool open) {
    if (!open) {
        m_port.close();
        return true;
    }
    if (m_port.isOpen()) {
        return true;
    }
    const std::optional<std::string> device = serialDeviceName(m_commPort, m_naming, m_devices);
    if (!device) {
        return false;
    }
    if (m_lastOpened && m_lastOpened->commPort == m_commPort &&
        openDevice(m_lastOpened->stableName)) {
        return true;
    }
    if (openDevice(*device)) {
        const std::optional<std::string> stable =
            m_stableName ? m_stableName(*device) : std::nullopt;
        m_lastOpened = stable ? std::optional(Opened{m_commPort, *stable}) : std::nullopt;
        return true;
    }
    // Most machines have no such port, or one without hardware behind it, which needs no word;
    // one that is there and refuses this program (held by another, or denied) is worth telling.
    if (m_port.error() == QSerialPort::PermissionError) {
        m_notice({QT_TRANSLATE_NOOP("Message", "Serial port %1 could not be opened: %2"),
                  {*device, m_port.errorString().toStdString()}});
    }
    return false;
}

bool QtSerialPortControl::openDevice(const std::string& device) {
    m_port.setPortName(QString::fromStdString(device));
    m_port.clearError();
    return m_port.open(m_access == SerialAccess::ReadWrite ? QIODevice::ReadWrite
                                                           : QIODevice::WriteOnly);
}

bool QtSerialPortControl::portOpen() const {
    return m_port.isOpen();
}

bool QtSerialPortControl::output(const std::string& bytes) {
    if (!m_port.isOpen()) {
        return false;
    }
    const qint64 size = static_cast<qint64>(bytes.size());
    const bool buffered = m_port.write(bytes.data(), size) == size;
    // The device is non-blocking: this hands the bytes to the driver now instead of on the next
    // pass of the event loop, and leaves what does not fit to the event loop. A device that
    // refuses them is closed on the way (see closeOnFailure).
    m_port.flush();
    return buffered && m_port.isOpen();
}

void QtSerialPortControl::closeOnFailure(QSerialPort::SerialPortError error) {
    // Open failures are reported by `setPortOpen` itself; these mean the device stopped taking
    // data, typically because it is gone. Closing once keeps later frames from piling up errors.
    // Windows answers a write to a USB adapter that was pulled out with access denied, too.
    if ((error == QSerialPort::ResourceError || error == QSerialPort::WriteError ||
         error == QSerialPort::PermissionError) &&
        m_port.isOpen()) {
        m_port.close();
    }
}

} // namespace aerolap

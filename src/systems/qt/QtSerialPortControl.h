#pragma once

#include "platform/Message.h"
#include "platform/SerialDeviceNames.h"
#include "platform/SerialPortControl.h"

#include <QSerialPort>
#include <functional>
#include <optional>
#include <string>

namespace aerolap {

/// The serial port control on QSerialPort. Port numbers become devices through
/// `serialDeviceName`; the device is opened as the system wants it (anything read is thrown
/// away), with exclusive access, so a port that another program holds counts as busy. Writes go
/// to the non-blocking device at once and whatever the line cannot take yet is sent from the
/// event loop, so output never waits. A device that goes away (a USB adapter pulled out) or
/// refuses a write closes the port; frames are then dropped until the port is opened again, and
/// the port's user sees it closed. A port that is there but refuses to open (busy or denied) is
/// named through `notice`, with the system's reason.
///
/// Where the system gives a device a name that stays with the adapter (`stableName`, Linux's
/// /dev/serial/by-id), the port opened last is opened by that name again first, so the same USB
/// adapter plugged back in under another device name is found.
class QtSerialPortControl final : public SerialPortControl {
public:
    using Notice = std::function<void(const Message& line)>;
    /// The name that stays with the adapter behind `device`, if the system has one.
    using StableName = std::function<std::optional<std::string>(const std::string& device)>;

    QtSerialPortControl(DeviceNaming naming, SerialAccess access, SerialDevices devices,
                        Notice notice, StableName stableName = {});

    void setCommPort(std::int16_t port) override;
    void setSettings(const std::string& settings) override;
    bool setPortOpen(bool open) override;
    bool portOpen() const override;
    bool output(const std::string& bytes) override;

private:
    bool openDevice(const std::string& device);
    void closeOnFailure(QSerialPort::SerialPortError error);

    struct Opened {
        std::int16_t commPort;
        std::string stableName;
    };

    DeviceNaming m_naming;
    SerialAccess m_access;
    SerialDevices m_devices;
    Notice m_notice;
    StableName m_stableName;
    QSerialPort m_port;
    std::int16_t m_commPort = 1;
    std::optional<Opened> m_lastOpened;
};

} // namespace aerolap

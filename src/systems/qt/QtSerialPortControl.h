#pragma once

#include "platform/SerialDeviceNames.h"
#include "platform/SerialPortControl.h"

#include <QSerialPort>

namespace aerolap {

/// The serial port control on QSerialPort. Port numbers become devices through
/// `serialDeviceName`; the device is opened for writing only, with exclusive access, so a port
/// that another program holds counts as busy. Writes go to the non-blocking device at once and
/// whatever the line cannot take yet is sent from the event loop, so output never waits. A
/// device that goes away (a USB adapter pulled out) closes the port quietly; frames are then
/// dropped until the port is opened again.
class QtSerialPortControl final : public SerialPortControl {
public:
    QtSerialPortControl(DeviceNaming naming, EnvironmentLookup environment);
    QtSerialPortControl(const QtSerialPortControl&) = delete;
    QtSerialPortControl& operator=(const QtSerialPortControl&) = delete;

    void setCommPort(std::int16_t port) override;
    void setSettings(const std::string& settings) override;
    bool setPortOpen(bool open) override;
    bool portOpen() const override;
    void output(const std::string& bytes) override;

private:
    void closeOnFailure(QSerialPort::SerialPortError error);

    DeviceNaming m_naming;
    EnvironmentLookup m_environment;
    QSerialPort m_port;
    std::int16_t m_commPort = 1;
};

} // namespace aerolap

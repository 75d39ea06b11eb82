#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace aerolap {

/// How the serial port numbers the operator picks become device names of the system.
enum class DeviceNaming { Windows, Posix };

/// The devices the director named for serial ports, by port number.
using SerialDevices = std::map<int, std::string>;

/// The device of serial port `port`: the one named for it in `named`, else the system's own name
/// for it: "COM<port>" on Windows, "/dev/ttyS<port - 1>" elsewhere. Nothing for a port number
/// below 1, which names no device anywhere.
std::optional<std::string> serialDeviceName(std::int16_t port, DeviceNaming naming,
                                            const SerialDevices& named);

} // namespace aerolap

#pragma once

#include "Environment.h"

#include <cstdint>
#include <optional>
#include <string>

namespace aerolap {

/// How the serial port numbers the operator picks become device names of the system.
enum class DeviceNaming { Windows, Posix };

/// The device of serial port `port`: the device named by the variable AEROLAP_COM<port> when it
/// is set and not empty, else the system's own name for it: "COM<port>" on Windows,
/// "/dev/ttyS<port - 1>" elsewhere. Nothing for a port number below 1, which names no device
/// anywhere.
std::optional<std::string> serialDeviceName(std::int16_t port, DeviceNaming naming,
                                            const EnvironmentLookup& environment);

} // namespace aerolap

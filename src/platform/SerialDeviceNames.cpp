#include "SerialDeviceNames.h"

namespace aerolap {

std::optional<std::string> serialDeviceName(std::int16_t port, DeviceNaming naming,
                                            const SerialDevices& named) {
    if (port < 1) {
        return std::nullopt;
    }
    if (const auto chosen = named.find(port); chosen != named.end()) {
        return chosen->second;
    }
    const std::string number = std::to_string(port);
    if (naming == DeviceNaming::Windows) {
        return "COM" + number;
    }
    return "/dev/ttyS" + std::to_string(port - 1);
}

} // namespace aerolap

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
    if (naming == DeviceNaming::Windows) {
        return "COM" + std::to_string(port);
    }
    return "/dev/ttyS" + std::to_string(port - 1);
}

} // namespace aerolap

#include "SerialDeviceNames.h"

namespace aerolap {

std::optional<std::string> serialDeviceName(std::int16_t port, DeviceNaming naming,
                                            const EnvironmentLookup& environment) {
    if (port < 1) {
        return std::nullopt;
    }
    const std::string number = std::to_string(port);
    if (const std::optional<std::string> chosen = environment("AEROLAP_COM" + number);
        chosen && !chosen->empty()) {
        return chosen;
    }
    if (naming == DeviceNaming::Windows) {
        return "COM" + number;
    }
    return "/dev/ttyS" + std::to_string(port - 1);
}

} // namespace aerolap

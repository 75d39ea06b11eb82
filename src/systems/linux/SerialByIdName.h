#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace aerolap {

/// Where udev names each USB serial adapter after its maker, model and serial number.
inline const std::filesystem::path kSerialByIdFolder = "/dev/serial/by-id";

/// The name in `folder` that leads to `device`, which stays with the adapter when it is plugged
/// back in under another device name (/dev/ttyUSB0 coming back as /dev/ttyUSB1). Nothing for a
/// device without one, such as a built-in port.
std::optional<std::string> serialByIdName(const std::string& device,
                                          const std::filesystem::path& folder = kSerialByIdFolder);

} // namespace aerolap

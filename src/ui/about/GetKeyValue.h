#pragma once

#include "platform/Registry.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace aerolap {

/// A registry value that was read but cannot be turned into text: it holds no bytes at all.
class EmptyRegistryValue : public std::runtime_error {
public:
    EmptyRegistryValue() : std::runtime_error("registry value of zero bytes") {}
};

/// Reads one registry value as text into `KeyVal`. Returns -1 when a value was read and 0 when
/// the key could not be opened or the value not read, with `KeyVal` then empty. A `REG_SZ`
/// value becomes its text, a `REG_DWORD` value "&h" and its bytes in hexadecimal, most
/// significant first; a value of any other type leaves `KeyVal` as it was. Throws
/// `EmptyRegistryValue` for a value of zero bytes.
std::int16_t GetKeyValue(Registry& registry, Registry::Key KeyRoot, const std::string& KeyName,
                         const std::string& SubKeyRef, std::string& KeyVal);

/// `GetKeyValue` in plain terms: the text of the value `valueName` of the key `keyName` under
/// `root`, or nothing when it cannot be read. A value of a type that has no text reads as "".
/// Throws `EmptyRegistryValue` as `GetKeyValue` does.
std::optional<std::string> registryText(Registry& registry, Registry::Key root,
                                        const std::string& keyName, const std::string& valueName);

} // namespace aerolap

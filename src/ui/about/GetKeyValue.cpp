#include "GetKeyValue.h"

#include <algorithm>
#include <array>

namespace aerolap {
namespace {

constexpr std::uint32_t kReadAccess = 0x2003F;
constexpr std::size_t kBufferSize = 1024;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegDword = 4;
constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

std::string hexadecimalFromLastByte(const std::string& bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "&h";
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        const auto value = static_cast<unsigned char>(*byte);
        text += kDigits[value >> 4];
        text += kDigits[value & 0x0F];
    }
    return text;
}

} // namespace

std::int16_t GetKeyValue(Registry& registry, Registry::Key KeyRoot, const std::string& KeyName,
                         const std::string& SubKeyRef, std::string& KeyVal) {
    Registry::Key key = 0;
    if (registry.openKey(KeyRoot, KeyName, 0, kReadAccess, key) != Registry::kSuccess) {
        KeyVal.clear();
        return kFalse;
    }
    // Whatever happens from here on, the key is closed again.
    struct KeyCloser {
        Registry& registry;
        Registry::Key key;
        ~KeyCloser() { registry.closeKey(key); }
    } closer{registry, key};

    std::array<std::uint8_t, kBufferSize> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = kBufferSize;
    if (registry.queryValue(key, SubKeyRef, type, buffer, size) != Registry::kSuccess) {
        KeyVal.clear();
        return kFalse;
    }
    if (size == 0) {
        throw EmptyRegistryValue();
    }

    // A size the registry reports beyond the buffer is never trusted.
    std::string taken(buffer.begin(), buffer.begin() + std::min<std::size_t>(size, kBufferSize));
    if (!taken.empty() && taken.back() == '\0') {
        taken.pop_back();
    }
    if (type == kRegSz) {
        KeyVal = taken;
    } else if (type == kRegDword) {
        KeyVal = hexadecimalFromLastByte(taken);
    }
    return kTrue;
}

std::optional<std::string> registryText(Registry& registry, Registry::Key root,
                                        const std::string& keyName, const std::string& valueName) {
    std::string text;
    if (GetKeyValue(registry, root, keyName, valueName, text) == kFalse) {
        return std::nullopt;
    }
    return text;
}

} // namespace aerolap

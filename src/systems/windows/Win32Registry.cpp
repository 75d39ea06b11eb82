#include "Win32Registry.h"

#include <windows.h>

namespace aerolap {
namespace {

HKEY handleOf(Registry::Key key) {
    return reinterpret_cast<HKEY>(key);
}

// The predefined root keys are 32-bit values that Windows sign-extends to pointer width.
HKEY rootHandleOf(Registry::Key root) {
    return reinterpret_cast<HKEY>(
        static_cast<LONG_PTR>(static_cast<LONG>(static_cast<std::uint32_t>(root))));
}

} // namespace

Registry::Status Win32Registry::openKey(Key root, const std::string& path, std::uint32_t options,
                                        std::uint32_t accessMask, Key& key) {
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(rootHandleOf(root), path.c_str(), options,
                                      static_cast<REGSAM>(accessMask), &opened);
    key = reinterpret_cast<Key>(opened);
    return static_cast<Status>(status);
}

Registry::Status Win32Registry::queryValue(Key key, const std::string& name, std::uint32_t& type,
                                           std::span<std::uint8_t> buffer, std::uint32_t& size) {
    DWORD valueType = 0;
    DWORD stored = size;
    const LONG status =
        RegQueryValueExA(handleOf(key), name.c_str(), nullptr, &valueType, buffer.data(), &stored);
    type = valueType;
    size = stored;
    return static_cast<Status>(status);
}

void Win32Registry::closeKey(Key key) {
    RegCloseKey(handleOf(key));
}

} // namespace aerolap

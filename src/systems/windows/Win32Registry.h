#pragma once

#include "platform/Registry.h"

namespace aerolap {

/// The Windows registry through advapi32, with 8-bit text in the system code page.
class Win32Registry final : public Registry {
public:
    Status openKey(Key root, const std::string& path, std::uint32_t options,
                   std::uint32_t accessMask, Key& key) override;
    Status queryValue(Key key, const std::string& name, std::uint32_t& type,
                      std::span<std::uint8_t> buffer, std::uint32_t& size) override;
    void closeKey(Key key) override;
};

} // namespace aerolap

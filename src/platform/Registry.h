#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace aerolap {

/// Read access to the system registry, call for call as the operating system offers it, so that
/// the reading code keeps its byte-level rules and a test can serve any value type and bytes.
class Registry {
public:
    using Key = std::uintptr_t;
    using Status = std::int32_t;

    static constexpr Key kLocalMachine = 0x80000002;
    static constexpr Status kSuccess = 0;

    virtual ~Registry() = default;

    /// Opens `path` (8-bit text in the system code page) below `root`.
    virtual Status openKey(Key root, const std::string& path, std::uint32_t options,
                           std::uint32_t accessMask, Key& key) = 0;
    /// Reads the value `name` of an open key into `buffer`. `size` goes in as the buffer's size
    /// and comes out as the number of bytes stored; a value longer than the buffer fails.
    virtual Status queryValue(Key key, const std::string& name, std::uint32_t& type,
                              std::span<std::uint8_t> buffer, std::uint32_t& size) = 0;
    virtual void closeKey(Key key) = 0;
};

} // namespace aerolap

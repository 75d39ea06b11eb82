#pragma once

#include "platform/Registry.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace aerolap::testing {

/// A registry holding the values it is given under root key `HKEY_LOCAL_MACHINE`. It checks
/// the arguments of every call as the system would and counts the keys still open.
class FakeRegistry final : public Registry {
public:
    static constexpr Status kFileNotFound = 2;
    static constexpr Status kMoreData = 234;
    static constexpr Status kAccessDenied = 5;

    struct Value {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> bytes;
    };

    void setValue(const std::string& key, const std::string& name, Value value) {
        m_keys[key][name] = std::move(value);
    }
    /// The key exists, but every read of it fails.
    void denyReadsOf(const std::string& key) {
        m_keys[key];
        m_deniedReads.push_back(key);
    }

    Status openKey(Key root, const std::string& path, std::uint32_t options,
                   std::uint32_t accessMask, Key& key) override {
        m_lastAccessMask = accessMask;
        m_lastOptions = options;
        if (root != kLocalMachine || !m_keys.contains(path)) {
            return kFileNotFound;
        }
        m_open.push_back(path);
        key = m_open.size();
        ++m_openCount;
        return kSuccess;
    }

    Status queryValue(Key key, const std::string& name, std::uint32_t& type,
                      std::span<std::uint8_t> buffer, std::uint32_t& size) override {
        const std::string& path = m_open.at(key - 1);
        m_lastBufferWasZeroed =
            std::all_of(buffer.begin(), buffer.end(), [](std::uint8_t byte) { return byte == 0; });
        m_lastBufferSize = size;
        if (std::find(m_deniedReads.begin(), m_deniedReads.end(), path) != m_deniedReads.end()) {
            return kAccessDenied;
        }
        const auto& values = m_keys.at(path);
        const auto found = values.find(name);
        if (found == values.end()) {
            return kFileNotFound;
        }
        const Value& value = found->second;
        if (value.bytes.size() > buffer.size() || value.bytes.size() > size) {
            return kMoreData;
        }
        std::copy(value.bytes.begin(), value.bytes.end(), buffer.begin());
        type = value.type;
        size = static_cast<std::uint32_t>(value.bytes.size());
        return kSuccess;
    }

    void closeKey(Key) override { --m_openCount; }

    int keysLeftOpen() const { return m_openCount; }
    std::uint32_t lastAccessMask() const { return m_lastAccessMask; }
    std::uint32_t lastOptions() const { return m_lastOptions; }
    std::uint32_t lastBufferSize() const { return m_lastBufferSize; }
    bool lastBufferWasZeroed() const { return m_lastBufferWasZeroed; }

private:
    std::map<std::string, std::map<std::string, Value>> m_keys;
    std::vector<std::string> m_deniedReads;
    std::vector<std::string> m_open;
    int m_openCount = 0;
    std::uint32_t m_lastAccessMask = 0;
    std::uint32_t m_lastOptions = 99;
    std::uint32_t m_lastBufferSize = 0;
    bool m_lastBufferWasZeroed = false;
};

inline std::vector<std::uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

} // namespace aerolap::testing

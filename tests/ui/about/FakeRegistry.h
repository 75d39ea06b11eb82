#pragma once

#include "platform/Registry.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace aerolap::testing {

/// A registry holding the values it is given under root key `HKEY_LOCAL_MACHINE`, answering as
/// the system would and counting the keys still open.
class FakeRegistry final : public Registry {
public:
    static constexpr Status kFileNotFound = 2;
    static constexpr Status kMoreData = 234;

    struct Value {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> bytes;
    };

    void setValue(const std::string& key, const std::string& name, Value value) {
        m_keys[key][name] = std::move(value);
    }

    Status openKey(Key root, const std::string& path, std::uint32_t, std::uint32_t,
                   Key& key) override {
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
        const auto& values = m_keys.at(m_open.at(key - 1));
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

private:
    std::map<std::string, std::map<std::string, Value>> m_keys;
    std::vector<std::string> m_open;
    int m_openCount = 0;
};

inline std::vector<std::uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

} // namespace aerolap::testing

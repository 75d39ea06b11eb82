#pragma once

#include "Registry.h"

namespace aerolap {

/// The registry of a system that has none: every key is missing.
class NoRegistry final : public Registry {
public:
    static constexpr Status kFileNotFound = 2;

    Status openKey(Key, const std::string&, std::uint32_t, std::uint32_t, Key&) override {
        return kFileNotFound;
    }
    Status queryValue(Key, const std::string&, std::uint32_t&, std::span<std::uint8_t>,
                      std::uint32_t&) override {
        return kFileNotFound;
    }
    void closeKey(Key) override {}
};

} // namespace aerolap

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

namespace aerolap {

/// The names a few values go by in files and messages, each value with its one name.
template <typename Key, std::size_t size>
using NameTable = std::array<std::pair<Key, std::string_view>, size>;

/// The name of `key`; empty when the table has none for it.
template <typename Key, std::size_t size>
std::string_view nameOf(const NameTable<Key, size>& names, Key key) {
    for (const auto& [each, name] : names) {
        if (each == key) {
            return name;
        }
    }
    return {};
}

/// The value called `name`; nothing when no value is.
template <typename Key, std::size_t size>
std::optional<Key> keyNamed(const NameTable<Key, size>& names, std::string_view name) {
    for (const auto& [each, named] : names) {
        if (named == name) {
            return each;
        }
    }
    return std::nullopt;
}

} // namespace aerolap

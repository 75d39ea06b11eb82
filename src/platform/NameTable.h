#pragma once

#include <algorithm>
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
    const auto named = std::ranges::find(names, key, &std::pair<Key, std::string_view>::first);
    return named == names.end() ? std::string_view() : named->second;
}

/// The value called `name`; nothing when no value is.
template <typename Key, std::size_t size>
std::optional<Key> keyNamed(const NameTable<Key, size>& names, std::string_view name) {
    const auto named = std::ranges::find(names, name, &std::pair<Key, std::string_view>::second);
    return named == names.end() ? std::nullopt : std::optional(named->first);
}

} // namespace aerolap

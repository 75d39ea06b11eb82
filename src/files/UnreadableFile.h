#pragma once

#include <filesystem>
#include <optional>

namespace aerolap {

/// Moves a file the program cannot use to `<file>.unreadable` beside it, so that the next write
/// in its place loses nothing of it. Returns where it went; nothing when it is no regular file or
/// could not be moved.
std::optional<std::filesystem::path> keepUnreadableAside(const std::filesystem::path& file);

} // namespace aerolap

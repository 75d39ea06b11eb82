#pragma once

#include <QByteArray>
#include <optional>
#include <string>

namespace aerolap {

/// Replaces the file at `path` with `bytes` in one step (QSaveFile), or leaves it as it was and
/// says why. Every byte is flushed and checked before the swap: QSaveFile alone swaps in a file
/// whose last bytes failed to reach a full disk, and calls that success.
std::optional<std::string> saveWholeFile(const std::string& path, const QByteArray& bytes);

} // namespace aerolap

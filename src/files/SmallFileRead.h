#pragma once

#include <QByteArray>
#include <string>
#include <variant>

namespace aerolap {

/// The whole of a small regular file, or why it was not read. Anything else a name can stand for
/// (a FIFO, a device, a folder) is never opened, so that a read can neither block nor run on.
std::variant<QByteArray, std::string> readSmallFile(const std::string& path, qint64 limit);

} // namespace aerolap

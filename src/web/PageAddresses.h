#pragma once

#include <QStringList>

namespace aerolap {

/// The page's address on each of this machine's network addresses ("http://192.168.1.20:8080/"),
/// local-network IPv4 first; the loopback address only when there is nothing else, so a laptop
/// without a network still names a page that opens on itself.
QStringList pageAddresses(quint16 port);

} // namespace aerolap

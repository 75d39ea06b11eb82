#pragma once

#include "platform/Environment.h"

#include <QtGlobal>
#include <optional>
#include <ostream>

namespace aerolap {

inline constexpr quint16 kDefaultWebPort = 8080;

/// The pilots' display's port: `option` (--web-port) first, then $AEROLAP_WEB_PORT, then 8080;
/// 0 keeps the page off. A variable that is no port is reported on `warnings` and passed over.
quint16 chosenWebPort(std::optional<quint16> option, const EnvironmentLookup& environment,
                      std::ostream& warnings);

} // namespace aerolap

#include "WebPort.h"

#include <QString>

namespace aerolap {

quint16 chosenWebPort(std::optional<quint16> option, const EnvironmentLookup& environment,
                      std::ostream& warnings) {
    if (option) {
        return *option;
    }
    const std::optional<std::string> value = environment("AEROLAP_WEB_PORT");
    if (!value) {
        return kDefaultWebPort;
    }
    bool isPort = false;
    const quint16 port = QString::fromStdString(*value).toUShort(&isPort);
    if (!isPort) {
        warnings << "aerolap: AEROLAP_WEB_PORT is '" << *value
                 << "', not a port from 0 to 65535: the pilots' display uses port "
                 << kDefaultWebPort << ".\n";
        return kDefaultWebPort;
    }
    return port;
}

} // namespace aerolap

#include "PageAddresses.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QUrl>

namespace aerolap {

QStringList pageAddresses(quint16 port) {
    QStringList ipv4, ipv6;
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        // Link-local IPv6 addresses need an interface name that phones cannot type.
        if (address.isLoopback() || address.isLinkLocal()) {
            continue;
        }
        QUrl url;
        url.setScheme(QStringLiteral("http"));
        url.setHost(address.toString());
        url.setPort(port);
        url.setPath(QStringLiteral("/"));
        (address.protocol() == QAbstractSocket::IPv4Protocol ? ipv4 : ipv6) << url.toString();
    }
    QStringList all = ipv4 + ipv6;
    if (all.isEmpty()) {
        all << QStringLiteral("http://127.0.0.1:%1/").arg(port);
    }
    return all;
}

} // namespace aerolap

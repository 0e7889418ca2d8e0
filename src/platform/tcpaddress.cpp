#include "platform/tcpaddress.h"

#include <QUrl>

namespace {
const QString Scheme = QStringLiteral("tcp://");
}

bool isTcpDevice(const QString& device) {
    return device.trimmed().startsWith(Scheme, Qt::CaseInsensitive);
}

std::optional<TcpAddress> parseTcpAddress(const QString& device) {
    if (!isTcpDevice(device))
        return std::nullopt;
    const QUrl url(device.trimmed(), QUrl::StrictMode);
    const int port = url.port();
    if (!url.isValid() || url.host().isEmpty() || port < 1 || !url.path().isEmpty() ||
        url.hasQuery() || url.hasFragment() || !url.userInfo().isEmpty())
        return std::nullopt;
    return TcpAddress{url.host(), static_cast<quint16>(port)};
}

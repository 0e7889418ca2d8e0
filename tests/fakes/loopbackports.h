#pragma once

#include <QString>
#include <QTcpServer>

// Network port addresses on this machine only, for tests of the tcp:// ports.
inline QString loopback(quint16 port) {
    return QStringLiteral("tcp://127.0.0.1:%1").arg(port);
}

// A loopback port number that nothing listens on.
inline quint16 closedPort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

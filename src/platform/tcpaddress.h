#pragma once

#include <QString>
#include <optional>

// A serial-over-network adapter (or a simulated line) reached as "tcp://HOST:PORT" in place of a
// device path.
struct TcpAddress {
    QString host;
    quint16 port = 0;
};

// True for any device text meant as a network address, well formed or not.
bool isTcpDevice(const QString& device);
// The host and port of "tcp://HOST:PORT" (an IPv6 host in brackets); nothing when malformed.
std::optional<TcpAddress> parseTcpAddress(const QString& device);

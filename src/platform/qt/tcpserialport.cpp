#include "platform/qt/tcpserialport.h"

#include "platform/tcpaddress.h"

#include <QMetaObject>

TcpSerialPort::TcpSerialPort(TickTimerSource& timers, const PortMap& ports, QObject* parent)
    : SerialPort(timers, parent), ports_(ports) {
    connect(&socket_, &QAbstractSocket::connected, this, [this] {
        connected_ = true;
        // Frames are a few bytes each: send them at once rather than wait to fill a packet.
        socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    });
    connect(&socket_, &QAbstractSocket::errorOccurred, this, &TcpSerialPort::onError);
    connect(&socket_, &QAbstractSocket::disconnected, this, &TcpSerialPort::onDisconnected);
    connect(&socket_, &QIODevice::readyRead, this, &SerialPort::bytesArrived);
}

bool TcpSerialPort::open() {
    const QString device = deviceName();
    // Each read opens its port. Adapters take one client at a time and may not yet have seen an
    // old connection go when the new one comes, so a live connection to the same address stays.
    if (open_ && !failing_ && device == device_)
        return true;
    close();
    device_ = device;
    const auto address = parseTcpAddress(device);
    if (!address) {
        setFailure({PortFault::BadAddress, device, {}});
        return false;
    }
    failing_ = false;
    connected_ = false;
    open_ = true;
    setFailure({});
    socket_.connectToHost(address->host, address->port);
    return true;
}

void TcpSerialPort::close() {
    open_ = false;
    socket_.abort();
}

void TcpSerialPort::flushInput() {
    if (open_)
        socket_.readAll();
}

void TcpSerialPort::putBytes(const QByteArray& bytes) {
    if (open_)
        socket_.write(bytes);
}

quint8 TcpSerialPort::getChar() {
    char byte = 0;
    socket_.getChar(&byte);
    return static_cast<quint8>(byte);
}

void TcpSerialPort::onError(QAbstractSocket::SocketError error) {
    PortFault fault = PortFault::Dropped;
    if (!connected_)
        fault = error == QAbstractSocket::ConnectionRefusedError ? PortFault::Refused
                                                                 : PortFault::Unreachable;
    fail({fault, deviceName(), socket_.errorString()});
}

void TcpSerialPort::onDisconnected() {
    fail({PortFault::Dropped, deviceName(), {}});
}

// Close once, through a queued call so no socket handler is still running, and report it once.
void TcpSerialPort::fail(const PortFailure& failure) {
    if (failing_ || !open_)
        return;
    failing_ = true;
    setFailure(failure);
    QMetaObject::invokeMethod(
        this,
        [this] {
            // A reopen in between has started a new connection: that one has not failed.
            if (!failing_)
                return;
            close();
            emit portFailed(this->failure());
        },
        Qt::QueuedConnection);
}

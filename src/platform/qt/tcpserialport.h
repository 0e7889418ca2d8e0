#pragma once

#include "platform/portmap.h"
#include "platform/serialport.h"

#include <QTcpSocket>

// A serial-over-network adapter reached as "tcp://HOST:PORT": the bytes go raw over one TCP
// connection, the adapter owning the serial line's baud and framing. Opening starts the connection
// without waiting for it (bytes put meanwhile go out once it is up) and keeps one that is up to the
// same address; a refused or dropped connection closes the port and is reported as a failed port.
class TcpSerialPort : public SerialPort {
    Q_OBJECT
public:
    TcpSerialPort(TickTimerSource& timers, const PortMap& ports, QObject* parent = nullptr);

    bool open() override;
    void close() override;
    bool isOpen() const override { return open_; }
    void flushInput() override;
    void flushOutput() override {}
    void putBytes(const QByteArray& bytes) override;
    bool charReady() const override { return open_ && socket_.bytesAvailable() > 0; }
    quint8 getChar() override;
    QByteArray peekInput() override { return socket_.peek(socket_.bytesAvailable()); }

    QString deviceName() const { return ports_.deviceFor(comNumber()); }

private:
    void onError(QAbstractSocket::SocketError error);
    void onDisconnected();
    void fail(const PortFailure& failure);

    const PortMap& ports_;
    QTcpSocket socket_;
    QString device_; // the address of the connection
    bool open_ = false;
    bool failing_ = false;
    bool connected_ = false;
};
